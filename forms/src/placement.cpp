#include <forms/placement.h>
#include <forms/twips.h>

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace forms {
namespace {

QRect ScreenRect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 800, 600);
}

// Runs a placement again after the first show, when the window manager has given the frame.
class PlaceAgainOnShow : public QObject {
public:
    PlaceAgainOnShow(QWidget* window, std::function<void()> place)
        : QObject(window)
        , m_place(std::move(place)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_place();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_place;
};

void CentreNow(QWidget* window) {
    const QRect screen = ScreenRect();
    const QSize outer = window->frameGeometry().size();
    window->move(screen.x() + (screen.width() - outer.width()) / 2,
                 screen.y() + (screen.height() - outer.height()) / 2);
}

} // namespace

void CentreOnScreen(QWidget* window) {
    CentreNow(window);
    if (!window->isVisible()) {
        new PlaceAgainOnShow(window, [window] { CentreNow(window); });
    }
}

void PlaceOuterAt(QWidget* window, int leftTwips, int topTwips) {
    const QRect screen = ScreenRect();
    // move() places a window's outer frame, so no frame arithmetic is needed here.
    window->move(screen.x() + TwipsToPixelsX(leftTwips), screen.y() + TwipsToPixelsY(topTwips));
}

} // namespace forms
