#include "mainwindow/frm_main.h"

#include "mainwindow/import_text_box.h"
#include "mainwindow/pickup_status_line.h"
#include "pickup/pickup_monitor.h"
#include "widgets/accessible_names.h"
#include "widgets/controls.h"
#include "widgets/frame_look.h"
#include "widgets/return_key.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace {

// Client area and outer height as designed; start-up cuts the height to the text-import setting.
constexpr int kClientWidthTwips = 8610;
constexpr int kDesignClientHeightTwips = 9720;
constexpr int kDesignOuterHeightTwips = 10500;
constexpr QRect kImportBoxTwips(240, 4320, 8175, 5175);

QFont windowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    return font;
}

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setFont(windowFont());
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmMainClient"));
    setCentralWidget(central);
    buildMenus();
    buildDataFrame(central);
    buildCommands(central);
    buildStatusLine();
    setFocusOrder();
    widgets::liftTextLengthLimits(*this);
    widgets::pressFocusedButtonOnReturn(*this);
    widgets::nameComboBoxesAfterTheirLabels(*this);
    central->setFixedWidth(widgets::twipsToPixels(kClientWidthTwips, this));
    central->setMinimumHeight(0);
    resize(central->width(), outerHeight(kDesignOuterHeightTwips));
}

void frmMain::buildMenus()
{
    auto* mnuFile = menuBar()->addMenu(QStringLiteral("Datei"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    auto* mnuClose = mnuFile->addAction(QStringLiteral("Schließen"), this, &frmMain::mnuClose_Click);
    mnuClose->setObjectName(QStringLiteral("mnuClose"));
    auto* mnuView = menuBar()->addMenu(QStringLiteral("Ansicht"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    auto* mnuSettings = mnuView->addAction(QStringLiteral("Einstellungen"), this, &frmMain::mnuSettings_Click);
    mnuSettings->setObjectName(QStringLiteral("mnuSettings"));
}

void frmMain::addRequestField(const fields::RequestField& field)
{
    QWidget* control = nullptr;
    if (field.kind == fields::FieldControl::ComboBox)
        control = widgets::placeControl<QComboBox>(fraData, field.control, field.twips);
    else
        control = widgets::placeControl<QLineEdit>(fraData, field.control, field.twips);
    // Each label is its field's buddy, so screen readers announce the field by the label's text.
    widgets::placeControl<QLabel>(fraData, field.label, field.labelText, field.labelTwips)->setBuddy(control);
}

QWidget* frmMain::requestFieldControl(const fields::RequestField& field) const
{
    return fraData->findChild<QWidget*>(QLatin1String(field.control), Qt::FindDirectChildrenOnly);
}

QString frmMain::requestFieldText(const fields::RequestField& field) const
{
    QWidget* control = requestFieldControl(field);
    if (auto* box = qobject_cast<QComboBox*>(control))
        return box->currentText();
    return qobject_cast<QLineEdit*>(control)->text();
}

void frmMain::buildDataFrame(QWidget* central)
{
    fraData = widgets::placeControl<QGroupBox>(central, "fraData", {120, 240, 8415, 3135});
    fraData->setTitle(QStringLiteral("GDT-Daten"));
    widgets::applyDesignedFrameLook(*fraData);
    for (const fields::RequestField& field : fields::requestFields())
        addRequestField(field);

    cboGender = qobject_cast<QComboBox*>(requestFieldControl(fields::requestField(&fields::RequestFields::gender)));
    // Editable through a line edit of its own: setEditable(true) would also build the drop-down
    // list's popup window now, before the first paint; this way it is built, the same, when the
    // list first opens.
    cboGender->setLineEdit(new QLineEdit(cboGender));
    cboGender->setInsertPolicy(QComboBox::NoInsert);
    const fields::RequestField& modality = fields::requestField(&fields::RequestFields::modality);
    lblModality = fraData->findChild<QLabel*>(QLatin1String(modality.label), Qt::FindDirectChildrenOnly);
    txtModality = qobject_cast<QLineEdit*>(requestFieldControl(modality));

    // Examples of the regional date and time formats, under their fields.
    lblExample = widgets::placeControl<QLabel>(fraData, "lblExample", {6240, 600, 1815, 255});
    lblExample2 = widgets::placeControl<QLabel>(fraData, "lblExample2", {6240, 1560, 1815, 255});
    for (QLabel* example : {lblExample, lblExample2}) {
        QFont italic = example->font();
        italic.setItalic(true);
        example->setFont(italic);
        example->setAlignment(Qt::AlignCenter);
    }
}

void frmMain::buildCommands(QWidget* central)
{
    const auto addButton = [&](const char* name, const QString& text, int left) {
        auto* button = widgets::placeControl<QPushButton>(central, name, text, {left, 3480, 1695, 615});
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
        return button;
    };
    cmdClear = addButton("cmdClear", QStringLiteral("Felder löschen"), 120);
    connect(cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
    cmdCreate = addButton("cmdCreate", QStringLiteral("Erstelle GDT"), 6840);
    connect(cmdCreate, &QPushButton::clicked, this, &frmMain::cmdCreate_Click);

    txtContent = widgets::placeControl<ImportTextBox>(central, "txtContent", kImportBoxTwips);
    // It has no label; the language texts replace this name.
    txtContent->setAccessibleName(QStringLiteral("Importtext"));

    tmrTxtTimer = new QTimer(this);
    tmrTxtTimer->setObjectName(QStringLiteral("tmrTxtTimer"));
    tmrTxtTimer->setInterval(5000);
    connect(tmrTxtTimer, &QTimer::timeout, this, &frmMain::tmrTxtTimer_Timer);
    tmrTxtTimer->start(); // enabled as designed; start-up switches it after the settings
    // Text still coming in, typed key by key, is not imported half-done: each change starts the
    // interval anew, so a tick reads only a text that has stood still for a whole interval.
    connect(txtContent, &QPlainTextEdit::textChanged, this, [this] {
        if (tmrTxtTimer->isActive())
            tmrTxtTimer->start();
    });
}

void frmMain::buildStatusLine()
{
    stbPickup = new PickupStatusLine(this);
    setStatusBar(stbPickup);
    m_pickup = new pickup::Monitor(std::chrono::seconds(2), this);
    m_pickup->setObjectName(QStringLiteral("pickupMonitor"));
    connect(m_pickup, &pickup::Monitor::statusChanged, stbPickup, &PickupStatusLine::showStatus);
}

void frmMain::setFocusOrder()
{
    QList<QWidget*> order;
    for (const fields::RequestField& field : fields::requestFields())
        order.append(requestFieldControl(field));
    order += {cmdCreate, cmdClear, txtContent};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

int frmMain::outerHeight(int twips) const
{
    // The designed outer height includes title bar, menu bar and borders: 780 twips of it. The status
    // line is added below, so that the client area keeps its designed size.
    const int clientTwips = twips - (kDesignOuterHeightTwips - kDesignClientHeightTwips);
    return menuBar()->sizeHint().height() + widgets::twipsToPixels(clientTwips, this) + stbPickup->height();
}

void frmMain::setOuterHeight(int twips)
{
    const int height = outerHeight(twips);
    resize(centralWidget()->width(), height - fitImportBoxToScreen(height));
}

// A small screen or a large scaling (1366x768 at 150 %) cannot show the designed window with the
// import box: the box gives up height, down to two lines, then the status line one of its two and
// the strip below the box, so that the fields and buttons stay whole and the window lies inside
// the work area, at its top.
// Returns the pixels given up of the window's height (without frame).
int frmMain::fitImportBoxToScreen(int height)
{
    if (!txtContent->isVisibleTo(this))
        return 0;
    const QRect workArea = screen()->availableGeometry();
    // The frame is known once the native window exists; where the window system tells nothing
    // (no window manager yet), the designed allowance for title bar and borders stands in. The
    // system may already have cut the new window to the screen, so the height asked for counts.
    create();
    const QMargins frame = windowHandle()->frameMargins();
    const int designedFrame = widgets::twipsToPixels(kDesignOuterHeightTwips - kDesignClientHeightTwips, this) -
                              menuBar()->sizeHint().height();
    const int frameHeight = frame.isNull() ? designedFrame : frame.top() + frame.bottom();
    const int overflow = height + frameHeight - workArea.height();
    if (overflow <= 0)
        return 0;
    const int designedBox = widgets::twipsToPixels(kImportBoxTwips.height(), this);
    const int twoLines = 2 * txtContent->fontMetrics().lineSpacing() + 2 * txtContent->frameWidth();
    const int boxHeight = std::max(twoLines, designedBox - overflow);
    int given = designedBox - boxHeight;
    txtContent->resize(txtContent->width(), boxHeight);
    if (given < overflow) {
        const int lineHeight = stbPickup->height();
        stbPickup->keepOneLine();
        given += lineHeight - stbPickup->height();
    }
    // Last, the blank strip below the box (1366x768 at 200 % with a title bar).
    const int strip = widgets::twipsToPixels(kDesignClientHeightTwips - kImportBoxTwips.bottom() - 1, this);
    given += std::clamp(overflow - given, 0, strip);
    move(workArea.left() + std::max(0, (workArea.width() - width()) / 2), workArea.top());
    return given;
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    event->accept();
}

void frmMain::Form_QueryUnload()
{
    mnuClose_Click();
}
