#pragma once

// Which of the two offers of the main window is put in front at start-up.
namespace app {

// x = r * 6 + 1, rounded to the nearest whole number and a half to the even
// one: 1 to 7 for a draw r in [0, 1).
int coBrandNumber(float r);

enum class CoBrandEffect { CoBrandInFront, FullBrandInFront, NoChange };

// 1, 3 and 5 bring the co-brand offer to the front, 2, 4 and 6 the
// full-brand offer; 7 changes nothing.
CoBrandEffect coBrandEffect(int number);

} // namespace app
