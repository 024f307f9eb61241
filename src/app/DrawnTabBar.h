#pragma once

// A tab bar whose tabs the program draws itself with DrawText3D: the main
// page control (selected tab grey with a yellow caption) and the letter-tab
// variant (selected tab navy).

#include <QTabBar>

class DrawnTabBar : public QTabBar
{
    Q_OBJECT

public:
    enum class Variant { MainPages, LetterTabs };
    explicit DrawnTabBar(Variant variant, bool boldCaptions, QWidget *parent = nullptr);

    Variant variant() const { return m_variant; }
    // Paints one tab; public so a test can draw a tab into an image.
    void drawTab(QPainter &painter, int index) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    QSize tabSizeHint(int index) const override;

private:
    Variant m_variant;
};
