#include "mainwindow/frm_main.h"

#include "dates/regional.h"
#include "errors/error_handler.h"
#include "gdt/request_file.h"
#include "global/mod_global.h"
#include "import/import_folder.h"
#include "language/change_language.h"
#include "language/qt_texts.h"
#include "mainwindow/import_text_box.h"
#include "mainwindow/version.h"
#include "pickup/pickup_monitor.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/process.h"
#include "settings/settings_file.h"
#include "settingswindow/frm_settings.h"
#include "widgets/accessible_names.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <optional>

using modGlobal::Config;

void frmMain::Form_Load()
{
    errors::trap(QStringLiteral("frmMain_Load"), [this] {
        setWindowTitle(QStringLiteral("Lumvik Version %1.%2.%3")
                           .arg(mainwindow::kVersionMajor)
                           .arg(mainwindow::kVersionMinor)
                           .arg(mainwindow::kVersionRevision));
        // Temp serves the import alone: when it cannot be used, that is reported, the import stays
        // off, and requests are written all the same.
        std::optional<platform::StagingFolder> importFolder;
        errors::trap(QStringLiteral("frmMain_Load"), [&] { importFolder.emplace(import::openImportFolder()); });
        // LoadConfig reports its own failures; what it read stays in force. From a file it could
        // not read at all it took nothing, not even the language: the window keeps its built-in
        // texts, and no request goes to a target folder that was never read.
        m_settingsNotLoaded = modGlobal::LoadConfig();
        if (!m_settingsNotLoaded) {
            language::useQtTexts(Config.Language);
            modGlobal::ChangeLanguage(QStringLiteral("Main"), *this);
            widgets::nameComboBoxesAfterTheirLabels(*this);
        }

        txtContent->setVisible(Config.TxtImport);
        setOuterHeight(Config.TxtImport ? 10500 : 4890);
        setImportTimerEnabled(Config.TxtImport && importFolder);

        const auto regional = dates::RegionalFormats::current();
        const QDateTime started = platform::now();
        lblExample->setText(QStringLiteral("(%1)").arg(regional.shortDate(started.date())));
        lblExample2->setText(QStringLiteral("(%1)").arg(regional.longTime(started.time())));

        cboGender->addItems({QStringLiteral("O"), QStringLiteral("M"), QStringLiteral("F")});
        cboGender->setCurrentIndex(-1);
        cboGender->setEditText(QString());

        lblModality->setVisible(Config.Modality);
        txtModality->setVisible(Config.Modality);

        if (importFolder)
            import::deleteImportFiles(*importFolder);

        // Requests a device never took, from before this start: noticed before the first patient.
        if (!m_settingsNotLoaded)
            m_pickup->lookForOldRequests(Config.Path, Config.PickupMinutes);
    });
}

void frmMain::cmdCreate_Click()
{
    // A press within a second of such a read is the rest of a double-click: ignored. A clock set
    // back in between ignores nothing.
    if (m_importReadByCreate.isValid()) {
        const qint64 since = m_importReadByCreate.msecsTo(platform::now());
        if (since >= 0 && since < 1000)
            return;
    }
    if (readWaitingImportText()) {
        // A read that failed said so in a box, which took the rest of any double-click, and left
        // the imported fields empty: there is nothing to guard then.
        const auto shows = [this](QString fields::RequestFields::*member) {
            return !requestFieldText(fields::requestField(member)).isEmpty();
        };
        const bool filled = shows(&fields::RequestFields::patientId) || shows(&fields::RequestFields::examinationDate);
        m_importReadByCreate = filled ? platform::now() : QDateTime();
        return;
    }
    errors::trap(QStringLiteral("cmdCreate_Click"), [this] {
        if (m_settingsNotLoaded)
            throw errors::withContext(
                *m_settingsNotLoaded,
                QStringLiteral("The settings could not be loaded at start-up (%1); the request was not written"));
        fields::RequestFields fields;
        for (const fields::RequestField& field : fields::requestFields())
            fields.*field.member = requestFieldText(field);
        const QString written = gdt::CreateGDTFile(fields);
        m_pickup->watch(written, {fields.surname, fields.firstName, fields.patientId}, Config.PickupMinutes);

        platform::MessageRequest confirmation;
        confirmation.text = language::msg1ToShow();
        confirmation.icon = platform::MessageIcon::Information;
        platform::showMessage(confirmation);

        // The request is written: a viewer that will not start must not keep the patient in the
        // fields, or the next press writes the request a second time.
        if (Config.RunOrvane)
            errors::trap(QStringLiteral("cmdCreate_Click"), [] { platform::startProgramDetached(Config.OrvanePath); });

        if (Config.TxtImport) {
            clearRequestFields(&fields::RequestField::clearedByCreate);
            txtContent->clear();
            setImportTimerEnabled(true);
            txtContent->setFocus(); // where the next patient is pasted
        }
    });
}

void frmMain::cmdClear_Click()
{
    errors::trap(QStringLiteral("cmdClear_Click"), [this] {
        cboGender->setCurrentIndex(-1); // nothing chosen from the list either
        clearRequestFields(&fields::RequestField::clearedByClear);
        if (Config.TxtImport) {
            txtContent->clear();
            setImportTimerEnabled(true);
        }
    });
}

void frmMain::clearRequestFields(int fields::RequestField::*rank)
{
    for (const fields::RequestField* field : fields::requestFieldsBy(rank)) {
        QWidget* control = requestFieldControl(*field);
        if (auto* box = qobject_cast<QComboBox*>(control))
            box->setEditText(QString());
        else
            qobject_cast<QLineEdit*>(control)->clear();
    }
}

void frmMain::mnuSettings_Click()
{
    frmSettings::showModal(this);
}

void frmMain::mnuClose_Click()
{
    // Windows already closing are skipped, so this and closeEvent may call each other.
    QApplication::closeAllWindows();
}
