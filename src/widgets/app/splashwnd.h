#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QTimer;

// The splash window: the program's picture with its version, shown at the start
// before the first window of the program. It never lies over a window the user
// types in: it belongs to no window, stays on top of none, takes no focus and
// closes as soon as another window of the program is shown. It also closes after
// "SplashScreen" seconds and at the first key or click anywhere in the program;
// that key or click goes on to the window it was meant for. At most one exists.
//
// The window deletes itself when it closes. While it exists it watches every
// event of the application (the stand-in for the message pre-translation).
class CSplashWnd : public QWidget
{
    Q_OBJECT

public:
    // The switch: off until start-up enables it.
    static void EnableSplashScreen(bool enable);
    // Creates the window, centred on the primary screen, for `seconds` if the
    // switch is on and none exists. `versionText` as GetVersionText gives it.
    static void ShowSplashScreen(int seconds, const QString& versionText);
    static void HideSplashScreen();
    // The one that is shown, or nullptr.
    static CSplashWnd* Current();

    // The picture, drawn in code (500 x 320 pixels).
    static QPixmap Picture();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CSplashWnd(int seconds, const QString& versionText);
    ~CSplashWnd() override;

    QPixmap m_picture;
    QString m_versionText;
};
