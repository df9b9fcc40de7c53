#include "widgets/frame_look.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>

namespace widgets {
namespace {

// The toolkit's own look, except that a frame's border is a plain line that starts at the middle
// of its title and is left open behind the title. Set on the frame alone, it leaves its children's style and fonts
// untouched (a style sheet would reset their fonts).
class DesignedFrameStyle : public QProxyStyle
{
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control == CC_GroupBox && part == SC_GroupBoxFrame)
            rect.setTop(QProxyStyle::subControlRect(control, option, SC_GroupBoxLabel, widget).center().y());
        if (control == CC_GroupBox && part == SC_GroupBoxLabel)
            rect.translate(6, 0);
        return rect;
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect label = subControlRect(control, option, SC_GroupBoxLabel, widget);
        const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget).adjusted(0, 0, -1, -1);
        painter->save();
        painter->setClipRegion(QRegion(box->rect).subtracted(label.adjusted(-2, 0, 2, 0)));
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(box->palette.window().color().darker(140));
        painter->drawRoundedRect(QRectF(frame).translated(0.5, 0.5), 2, 2);
        painter->restore();
        drawItemText(painter, label, Qt::AlignLeft | Qt::AlignVCenter, box->palette, box->state & State_Enabled,
                     box->text, QPalette::WindowText);
    }
};

} // namespace

void applyDesignedFrameLook(QGroupBox& frame)
{
    static QPointer<DesignedFrameStyle> style;
    if (!style) {
        style = new DesignedFrameStyle;
        style->setParent(qApp);
    }
    frame.setStyle(style);
}

} // namespace widgets
