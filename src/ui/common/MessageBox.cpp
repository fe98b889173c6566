#include "ui/common/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

TMessageBox::Responder& CurrentResponder()
{
    static TMessageBox::Responder responder;
    return responder;
}

} // namespace

void TMessageBox::SetResponder(Responder responder)
{
    CurrentResponder() = std::move(responder);
}

bool TMessageBox::Ask(QWidget* parent, const QString& text, Kind kind)
{
    return Show(parent, {kind, text, true});
}

void TMessageBox::Information(QWidget* parent, const QString& text)
{
    Show(parent, {Kind::Information, text, false});
}

void TMessageBox::Warning(QWidget* parent, const QString& text)
{
    Show(parent, {Kind::Warning, text, false});
}

void TMessageBox::Error(QWidget* parent, const QString& text)
{
    Show(parent, {Kind::Error, text, false});
}

bool TMessageBox::Show(QWidget* parent, const Message& message)
{
    if (CurrentResponder())
        return CurrentResponder()(message);

    QMessageBox::Icon icon = QMessageBox::Information;
    switch (message.kind) {
    case Kind::Question:
        icon = QMessageBox::Question;
        break;
    case Kind::Information:
        icon = QMessageBox::Information;
        break;
    case Kind::Warning:
        icon = QMessageBox::Warning;
        break;
    case Kind::Error:
        icon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(icon, QStringLiteral("Kestrune"), message.text, QMessageBox::NoButton, parent);
    if (message.withYesNo) {
        box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("否"), QMessageBox::NoRole);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        return box.buttonRole(box.clickedButton()) == QMessageBox::YesRole;
    }
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
    return true;
}
