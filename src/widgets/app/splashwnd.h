#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QTimer;

// The splash window shown at the end of start-up: the program's picture with
// its version, over the main window, for "SplashScreen" seconds or until the
// first click or key anywhere in the program, which it takes (that click or key
// has no other effect). At most one exists; it is never shown twice in a run.
//
// The window deletes itself when it closes. While it exists it watches every
// event of the application (the stand-in for the message pre-translation).
class CSplashWnd : public QWidget
{
    Q_OBJECT

public:
    // The switch: off until start-up enables it.
    static void EnableSplashScreen(bool enable);
    // Creates the window over `parent` (the main window) for `seconds` if the
    // switch is on and none exists. `versionText` as GetVersionText gives it.
    static void ShowSplashScreen(QWidget* parent, int seconds, const QString& versionText);
    static void HideSplashScreen();
    // The one that is shown, or nullptr.
    static CSplashWnd* Current();

    // The picture, drawn in code (500 x 320 pixels).
    static QPixmap Picture();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CSplashWnd(QWidget* parent, int seconds, const QString& versionText);
    ~CSplashWnd() override;

    QPixmap m_picture;
    QString m_versionText;
};
