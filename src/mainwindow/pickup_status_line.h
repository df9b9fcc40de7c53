#pragma once

#include "pickup/pickup_watch.h"

#include <QStatusBar>

class QLabel;

// The main window's status line: what became of the last requests (pickup::Status), in words,
// with an icon, and on a warning colour when a request was not taken in time or cannot be seen.
// A text longer than the line's lines is cut with "…"; the whole text is its tooltip and, for
// screen readers, its description. Screen readers find it by its accessible name; each new text
// is announced as a status bar announces its message. Its texts are properties, so that
// Language.mdb replaces them as it replaces any control's text; the designed German texts stand
// here.
class PickupStatusLine : public QStatusBar
{
    Q_OBJECT
    Q_PROPERTY(QString requestText MEMBER m_requestText NOTIFY textsChanged)
    Q_PROPERTY(QString waitingText MEMBER m_waitingText NOTIFY textsChanged)
    Q_PROPERTY(QString waitingManyText MEMBER m_waitingManyText NOTIFY textsChanged)
    Q_PROPERTY(QString takenText MEMBER m_takenText NOTIFY textsChanged)
    Q_PROPERTY(QString overdueText MEMBER m_overdueText NOTIFY textsChanged)
    Q_PROPERTY(QString overdueManyText MEMBER m_overdueManyText NOTIFY textsChanged)
    Q_PROPERTY(QString unseenText MEMBER m_unseenText NOTIFY textsChanged)
    Q_PROPERTY(QString unseenManyText MEMBER m_unseenManyText NOTIFY textsChanged)

public:
    // Two lines of the window's font; the window grows by this, its client area keeps its size.
    static constexpr int kHeightTwips = 570;

    explicit PickupStatusLine(QWidget* parent = nullptr);

    void showStatus(const pickup::Status& status);
    // The whole text, also where the line shows it cut.
    QString shownText() const;
    // Gives up one of the two lines, for a screen too small for the window.
    void keepOneLine();

signals:
    void textsChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void render();
    void fitText();

    QLabel* m_icon = nullptr;
    QLabel* m_text = nullptr;
    pickup::Status m_status;
    QString m_shown;
    QString m_requestText = QStringLiteral("%1 (%2, %3, ID %4)");
    QString m_waitingText = QStringLiteral("Wartet auf das Gerät: %1");
    QString m_waitingManyText = QStringLiteral("%2 Anforderungen warten auf das Gerät, die älteste: %1");
    QString m_takenText = QStringLiteral("Vom Gerät abgeholt um %2: %1");
    QString m_overdueText = QStringLiteral("Nicht rechtzeitig abgeholt: %1 liegt nach %2 Min. noch da. Läuft das "
                                           "Geräteprogramm, und überwacht es den Zielordner?");
    QString m_overdueManyText =
        QStringLiteral("%3 Anforderungen nicht rechtzeitig abgeholt, die älteste: %1 liegt nach %2 Min. noch da. Läuft "
                       "das Geräteprogramm, und überwacht es den Zielordner?");
    QString m_unseenText =
        QStringLiteral("Nicht zu sehen, ob das Gerät %1 abgeholt hat: Der Zielordner lässt sich nicht lesen.");
    QString m_unseenManyText = QStringLiteral("Nicht zu sehen, ob das Gerät %2 Anforderungen abgeholt hat, die "
                                              "älteste: %1. Der Zielordner lässt sich nicht lesen.");
};
