#include "tour/tour.h"

#include "shell/errors32.h"
#include "shell/window_registry.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>

namespace tour {

CaptionWindow::CaptionWindow()
    : QLabel(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("tourCaption"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setMargin(12);
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 1.5);
    f.setBold(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(20, 40, 90));
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
}

void CaptionWindow::showText(const QString& text) {
    setText(text);
    setAccessibleName(text);
    // Along the bottom of the screen, under the windows the tour opens.
    const QRect avail = QGuiApplication::primaryScreen()
                            ? QGuiApplication::primaryScreen()->availableGeometry()
                            : QRect(0, 0, 1024, 768);
    const int width = std::min(avail.width() - 40, 1000);
    const int height = heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height();
    setGeometry(avail.x() + (avail.width() - width) / 2, avail.bottom() - height - 20, width,
                height);
    show();
    raise();
}

void CaptionWindow::raise() {
    // Qt's offscreen platform (the tests) has no stacking of windows to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) QLabel::raise();
}

Tour::Tour(std::vector<Step> steps, QObject* parent) : QObject(parent), m_steps(std::move(steps)) {
    for (const Step& s : m_steps)
        if (s.window != QLatin1String("Form3") && !m_windows.contains(s.window))
            m_windows << s.window;
    m_next.setSingleShot(true);
    connect(&m_next, &QTimer::timeout, this, &Tour::runStep);
}

Tour::~Tour() {
    if (m_running) qApp->removeEventFilter(this);
}

void Tour::start() {
    if (m_running || m_steps.empty()) return;
    m_running = true;
    m_index = 0;
    qApp->installEventFilter(this);
    m_next.start(0);
}

void Tour::stop() {
    if (!m_running) return;
    m_running = false;
    auto& registry = shell::WindowRegistry::instance();
    for (const QString& name : std::as_const(m_windows))
        registry.unload(name);
    finish();
}

void Tour::finish() {
    m_running = false;
    m_next.stop();
    qApp->removeEventFilter(this);
    m_caption.hide();
    Q_EMIT finished();
}

void Tour::runStep() {
    if (!m_running) return;
    if (m_index == m_steps.size()) {
        if (!m_looping) {
            finish();
            return;
        }
        m_index = 0;
    }
    const std::size_t index = m_index++;
    const Step& step = m_steps[index];
    const int pause = static_cast<int>(step.pauseMs * m_pauseScale);
    if (step.caption != Caption::Keep)
        m_caption.showText(captionText(step.caption, ERRORS32::LanguageIndex));
    if (step.runsOn) m_next.start(pause);

    QPointer<Tour> self(this);
    ui::Form* window = shell::WindowRegistry::instance().find(step.window);
    const bool done = window && step.action(window);
    if (!self || !m_running) return;
    if (done) {
        ++m_done;
    } else {
        ++m_skipped;
        qWarning("tour: step %d could not be done on %s", static_cast<int>(index),
                 qPrintable(step.window));
    }
    // A newly opened window may have covered the caption.
    if (m_caption.isVisible()) m_caption.raise();
    Q_EMIT stepDone(static_cast<int>(index));
    if (!step.runsOn) m_next.start(pause);
}

bool Tour::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Every key comes as a key press, a shortcut's too (F10 opens the menu otherwise).
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
        if (m_running) {
            // Queued: the tour ends at the next yield, or at once when nothing runs.
            QMetaObject::invokeMethod(this, &Tour::stop, Qt::QueuedConnection);
        }
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace tour
