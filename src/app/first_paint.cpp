#include "app/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace morvelin {

namespace {

// Sees every paint of the application until the first one inside the window. The window
// itself may get none, its controls covering it whole.
class FirstPaintWatcher final : public QObject {
public:
    FirstPaintWatcher(QWidget &window, std::function<void()> work)
        : QObject(&window), m_window(window), m_work(std::move(work))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == &m_window) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued: the rest of the frame is painted and flushed to the display first.
            QTimer::singleShot(0, &m_window, std::move(m_work));
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget &m_window;
    std::function<void()> m_work;
};

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

} // namespace

void AfterFirstPaint(QWidget &window, std::function<void()> work)
{
    new FirstPaintWatcher(window, std::move(work));
}

void ReportFirstPaintIfAsked(QWidget &window)
{
    if (qEnvironmentVariableIsEmpty(kReportFirstPaintVariable))
        return;
    AfterFirstPaint(window, [] {
        std::printf("%lld\n", MonotonicNanoseconds());
        std::fflush(stdout);
        // Queued behind what else waited for the frame, so its memory is counted too.
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    });
}

} // namespace morvelin
