#pragma once

#include <array>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// The two partner buttons (cmdUser1, cmdUser2), each with the count of the selected day beside
// it (lblUser1, lblUser2) and the face that goes with the count.
class PartnerButtons
{
public:
    PartnerButtons(QWidget *parent, QHBoxLayout *row);

    QPushButton *button(int partner) const { return partner == 2 ? m_button2 : m_button1; }
    // The selected partner's button gets its colour, the other the button face.
    void markSelected(int partner);
    void showCounts(int count1, int count2);

private:
    struct Partner {
        QLabel *count = nullptr;
        std::array<QLabel *, 4> faces{}; // imgNon, imgKura, imgNi, imgWarai
    };
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
    Partner m_partner1;
    Partner m_partner2;
};
