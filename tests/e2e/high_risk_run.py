"""The run the Spanish and Arabic runs and the screenshots take: the tenth
height, 170 cm (5'7''), whose weight limit is 172 pounds, a weight over it,
and answers that with the weight's 5 points make a high risk."""

MAIN_TITLE = "Kelo Diabetes Risk Calculator v1.10"
HEIGHT_ROW = 9
# The list position of each answer, and the score with the weight's points.
CHOICES = [1, 0, 0, 1, 1]
SCORE = 11
HIGH_VERDICT = "You are at a High Risk of having Type 2 Diabetes now. Please consult your doctor."
