#include "mainwindow/pickup_status_line.h"

#include "widgets/controls.h"

#include <QAccessible>
#include <QLabel>
#include <QStyle>

#include <algorithm>

PickupStatusLine::PickupStatusLine(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("stbPickup"));
    // The language texts replace this name.
    setAccessibleName(QStringLiteral("Abholung durch das Gerät"));
    setSizeGripEnabled(false);
    setFixedHeight(widgets::twipsToPixels(kHeightTwips, this));
    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("imgPickup"));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("lblPickup"));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    addWidget(m_icon);
    addWidget(m_text, 1);
    connect(this, &PickupStatusLine::textsChanged, this, &PickupStatusLine::render);
}

void PickupStatusLine::showStatus(const pickup::Status& status)
{
    m_status = status;
    render();
}

QString PickupStatusLine::shownText() const
{
    return m_shown;
}

void PickupStatusLine::keepOneLine()
{
    setFixedHeight(widgets::twipsToPixels(kHeightTwips, this) - m_text->fontMetrics().lineSpacing());
}

void PickupStatusLine::resizeEvent(QResizeEvent* event)
{
    QStatusBar::resizeEvent(event);
    fitText();
}

void PickupStatusLine::fitText()
{
    const QFontMetrics metrics = m_text->fontMetrics();
    const QRect room(0, 0, m_text->width(),
                     std::max(1, m_text->height() / metrics.lineSpacing()) * metrics.lineSpacing());
    const auto fits = [&](const QString& text) {
        return metrics.boundingRect(room, Qt::TextWordWrap, text).height() <= room.height();
    };
    QString shown = m_shown;
    if (!fits(shown)) {
        // The longest beginning that fits with the ellipsis.
        qsizetype fitting = 0;
        for (qsizetype step = m_shown.size(); step > 0; step /= 2) {
            while (fitting + step < m_shown.size() && fits(m_shown.left(fitting + step) + QChar(0x2026)))
                fitting += step;
        }
        shown = m_shown.left(fitting) + QChar(0x2026);
    }
    m_text->setText(shown);
    setToolTip(shown == m_shown ? QString() : m_shown);
}

void PickupStatusLine::render()
{
    using Kind = pickup::Status::Kind;
    const pickup::Texts texts{m_requestText, m_waitingText,     m_waitingManyText, m_takenText,
                              m_overdueText, m_overdueManyText, m_unseenText,      m_unseenManyText};
    const QString text = pickup::describe(m_status, texts, dates::RegionalFormats::current());

    // Every state its own icon; the two that ask for the user's attention also a colour of their own.
    QStyle::StandardPixmap icon = QStyle::SP_MessageBoxInformation;
    QColor background;
    switch (m_status.kind) {
    case Kind::None:
    case Kind::Waiting:
        break;
    case Kind::Taken:
        icon = QStyle::SP_DialogApplyButton;
        break;
    case Kind::Overdue:
        icon = QStyle::SP_MessageBoxWarning;
        background = QColor(255, 224, 130);
        break;
    case Kind::Unseen:
        icon = QStyle::SP_MessageBoxCritical;
        background = QColor(255, 205, 205);
        break;
    }
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    m_icon->setPixmap(m_status.kind == Kind::None ? QPixmap() : style()->standardIcon(icon).pixmap(iconSize));
    QPalette colours;
    if (background.isValid()) {
        colours.setColor(QPalette::Window, background);
        colours.setColor(QPalette::WindowText, Qt::black);
    }
    setPalette(colours);
    setAutoFillBackground(background.isValid());

    if (text == m_shown)
        return;
    m_shown = text;
    fitText();
    // What a screen reader reads for the line itself, announced as a status bar announces a new
    // message.
    setAccessibleDescription(text);
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}
