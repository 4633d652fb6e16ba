#pragma once

#include <QIcon>
#include <QObject>

#include <memory>

class InstanceGuard;

// The start-up controller: loaded first and never shown. Its load handler is
// the start-up sequence (single-instance guard, seeding the random generator,
// the update reminder, the main window, the choice of the offer in front).
// It owns the application icon and the instance lock, stays loaded until the
// program ends, and unloading it ends the program.
class frmStartup final : public QObject
{
    Q_OBJECT

public:
    frmStartup();
    ~frmStartup() override;

    void Form_Load();

    // Runs the unload handler once: the program ends.
    void Unload();

    // The application icon, 32 x 32; the exit screen takes its icon here.
    QIcon IMGIcon() const { return m_icon; }

    // Draws which offer of the main window is in front.
    void CoBrand_Randomize();

    // The last co-brand draw, 1 to 7; 0 before the first.
    qint16 intCoBrandRandomNumber = 0;

private:
    void Form_Unload();

    QIcon m_icon;
    std::unique_ptr<InstanceGuard> m_instanceGuard;
    bool m_unloaded = false;
};
