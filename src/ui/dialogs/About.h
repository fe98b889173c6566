#pragma once

// The about box: the program's emblem, name and version, and a link to the project's web page.

#include <QDialog>

class QLabel;

class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    // The project's page, which the link opens in the desktop's browser.
    static const QString WebAddress;

    explicit TAboutBox(QWidget* parent = nullptr);

    void RzURLLabel1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* RzURLLabel1;
};
