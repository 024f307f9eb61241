#pragma once

// The start window: no border, pale green, the program's name and "Verze "
// with the version.

#include <QWidget>

class QLabel;

class TSplashForm : public QWidget
{
    Q_OBJECT

public:
    explicit TSplashForm(QWidget *parent = nullptr);

    QString versionCaption() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    class ShadowLabel *VerzeJvxLabel;
};
