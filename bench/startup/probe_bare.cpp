#include "startup/first_paint.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

// The yardstick: a bare Qt window with the same widgets as Lumvik's main window, shown at once.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Datei"))->addAction(QStringLiteral("Schließen"));
    window.menuBar()->addMenu(QStringLiteral("Ansicht"))->addAction(QStringLiteral("Einstellungen"));
    auto* central = new QWidget(&window);
    window.setCentralWidget(central);
    auto* frame = new QGroupBox(QStringLiteral("GDT-Daten"), central);
    frame->setGeometry(8, 16, 561, 209);
    for (int i = 0; i < 11; ++i)
        (new QLabel(QStringLiteral("Label %1:").arg(i), frame))
            ->setGeometry(8 + (i / 6) * 264, 24 + (i % 6) * 32, 80, 17);
    // Eight text boxes and, where the gender box stands, an editable combo box.
    for (int i = 0; i < 9; ++i) {
        QWidget* field = nullptr;
        if (i == 4) {
            auto* combo = new QComboBox(frame);
            combo->setLineEdit(new QLineEdit(combo));
            field = combo;
        } else {
            field = new QLineEdit(frame);
        }
        field->setGeometry(96 + (i / 5) * 320, 16 + (i % 5) * 32, 145, 25);
    }
    (new QPushButton(QStringLiteral("Felder löschen"), central))->setGeometry(8, 232, 113, 41);
    (new QPushButton(QStringLiteral("Erstelle GDT"), central))->setGeometry(456, 232, 113, 41);
    (new QPlainTextEdit(central))->setGeometry(16, 288, 545, 345);
    // The status line: an icon and a text.
    window.statusBar()->addWidget(new QLabel(&window));
    window.statusBar()->addWidget(new QLabel(&window), 1);
    window.statusBar()->setFixedHeight(38);
    window.resize(574, 710);
    window.show();
    reportFirstPaintAndQuit(window);
    return QApplication::exec();
}
