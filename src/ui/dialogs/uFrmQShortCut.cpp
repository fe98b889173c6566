#include "ui/dialogs/uFrmQShortCut.h"

#include "common/uCommon.h"
#include "store/uDataModule.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/Guard.h"
#include "ui/common/MessageBox.h"
#include "ui/dialogs/DialogButtons.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int MaxText = 512; // the width of the catalogue's text columns

QLineEdit* MakeEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(MaxText);
    return edit;
}

} // namespace

TfrmQShortCut::TfrmQShortCut(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmQShortCut"));
    setWindowTitle(QStringLiteral("快速启动"));

    RzComboBoxGroupName = new QComboBox(this);
    RzComboBoxGroupName->setObjectName(QStringLiteral("RzComboBoxGroupName"));
    RzEditText = MakeEdit(this, "RzEditText");
    RzEditShortCut = MakeEdit(this, "RzEditShortCut");
    QAction* browse =
        RzEditShortCut->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
    browse->setObjectName(QStringLiteral("RzEditShortCutButton"));
    browse->setToolTip(QStringLiteral("浏览..."));
    RzEditParameters = MakeEdit(this, "RzEditParameters");
    RzLabelParameters = new QLabel(QStringLiteral("参数："), this);
    RzLabelParameters->setObjectName(QStringLiteral("RzLabelParameters"));
    RzComboBoxShowCmd = new QComboBox(this);
    RzComboBoxShowCmd->setObjectName(QStringLiteral("RzComboBoxShowCmd"));
    RzComboBoxShowCmd->addItem(QStringLiteral("正常"), 5);
    RzComboBoxShowCmd->addItem(QStringLiteral("最小化"), 2);
    RzComboBoxShowCmd->addItem(QStringLiteral("最大化"), 3);
    RzLabelShowCmd = new QLabel(QStringLiteral("窗口："), this);
    RzLabelShowCmd->setObjectName(QStringLiteral("RzLabelShowCmd"));
    RzCheckBoxAutoRun = new QCheckBox(QStringLiteral("Kestrune启动时打开"), this);
    RzCheckBoxAutoRun->setObjectName(QStringLiteral("RzCheckBoxAutoRun"));
    RzComboBoxAtt = new QComboBox(this);
    RzComboBoxAtt->setObjectName(QStringLiteral("RzComboBoxAtt"));
    RzComboBoxAtt->addItems({QStringLiteral("文件"), QStringLiteral("文件夹")});
    RzDialogButtons1 = MakeDialogButtons(this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("分类："), RzComboBoxGroupName);
    form->addRow(QStringLiteral("名称："), RzEditText);
    form->addRow(QStringLiteral("地址："), RzEditShortCut);
    form->addRow(RzLabelParameters, RzEditParameters);
    form->addRow(RzLabelShowCmd, RzComboBoxShowCmd);
    form->addRow(QString(), RzCheckBoxAutoRun);
    form->addRow(QStringLiteral("属性："), RzComboBoxAtt);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(RzDialogButtons1);
    setFixedSize(QSize(386, 216).expandedTo(sizeHint()));

    connect(browse, &QAction::triggered, this,
            [this] { RunGuarded(this, [this] { RzEditShortCutButtonClick(); }); });
    connect(RzComboBoxAtt, &QComboBox::currentIndexChanged, this, [this] { RzComboBoxAttChange(); });
    connect(RzDialogButtons1, &QDialogButtonBox::accepted, this,
            [this] { RunGuarded(this, [this] { RzDialogButtons1ClickOk(); }); });
    FormCreate();
}

TfrmQShortCut::~TfrmQShortCut() = default;

void TfrmQShortCut::FormCreate()
{
    RzComboBoxGroupName->clear();
    RzComboBoxShowCmd->setCurrentIndex(0);
    m_mode = 0;
    m_kind = 0;
    m_own = std::make_unique<TQShortCut>();
    ShortCut = m_own.get();
    QStringList groups;
    dm->LoadGroupNames(groups);
    RzComboBoxGroupName->addItems(groups);
}

void TfrmQShortCut::SetMode(int mode)
{
    m_mode = mode;
    if (mode == 0) {
        setWindowTitle(QStringLiteral("新建快速启动项目"));
    } else if (mode == 1) {
        setWindowTitle(QStringLiteral("修改快速启动项目"));
        RzComboBoxAtt->setEnabled(false);
    }
}

void TfrmQShortCut::SetKind(int kind)
{
    m_kind = kind;
    if (kind != 0 && kind != 1)
        return;
    const bool file = kind == 0;
    for (QWidget* w : {static_cast<QWidget*>(RzLabelParameters), static_cast<QWidget*>(RzEditParameters),
                       static_cast<QWidget*>(RzComboBoxShowCmd), static_cast<QWidget*>(RzLabelShowCmd)})
        w->setVisible(file);
    ShortCut->IsDir = !file;
    const QSignalBlocker blocker(RzComboBoxAtt);
    RzComboBoxAtt->setCurrentIndex(kind);
}

void TfrmQShortCut::SelectGroup(const QString& groupName)
{
    for (int i = 0; i < RzComboBoxGroupName->count(); ++i) {
        if (RzComboBoxGroupName->itemText(i).compare(groupName, Qt::CaseInsensitive) == 0) {
            RzComboBoxGroupName->setCurrentIndex(i);
            return;
        }
    }
    RzComboBoxGroupName->setCurrentIndex(RzComboBoxGroupName->count() > 0 ? 0 : -1);
}

void TfrmQShortCut::LoadFrom(TQShortCut* shortCut)
{
    SelectGroup(shortCut->GroupName);
    RzEditText->setText(shortCut->ScText);
    RzEditShortCut->setText(shortCut->Path);
    RzEditParameters->setText(shortCut->Parameters);
    for (int i = 0; i < RzComboBoxShowCmd->count(); ++i) {
        if (RzComboBoxShowCmd->itemData(i).toInt() == shortCut->ShowCmd)
            RzComboBoxShowCmd->setCurrentIndex(i);
    }
    RzCheckBoxAutoRun->setChecked(shortCut->AutoRun);
    ShortCut = shortCut;
}

TQShortCut* TfrmQShortCut::SaveTo()
{
    ShortCut->GroupName = RzComboBoxGroupName->currentText();
    ShortCut->ScText = RzEditText->text();
    ShortCut->Path = RzEditShortCut->text();
    ShortCut->Parameters = RzEditParameters->text();
    ShortCut->ShowCmd = RzComboBoxShowCmd->currentData().toInt();
    ShortCut->AutoRun = RzCheckBoxAutoRun->isChecked();
    return ShortCut;
}

std::unique_ptr<TQShortCut> TfrmQShortCut::TakeOwnShortCut()
{
    if (ShortCut == m_own.get())
        ShortCut = nullptr;
    return std::move(m_own);
}

void TfrmQShortCut::RzComboBoxAttChange()
{
    SetKind(RzComboBoxAtt->currentIndex());
}

void TfrmQShortCut::RzEditShortCutButtonClick()
{
    const QString preset = RzEditShortCut->text();
    if (m_kind == 0) {
        const QString file = TFileDialogs::ChooseFile(this, preset);
        if (file.isEmpty())
            return;
        RzEditText->setText(GetFileNameNoExt(file));
        RzEditShortCut->setText(file);
    } else if (m_kind == 1) {
        const QString folder = TFileDialogs::ChooseFolder(this, preset);
        if (folder.isEmpty())
            return;
        RzEditText->setText(GetLastDirName(folder));
        RzEditShortCut->setText(folder);
    }
}

void TfrmQShortCut::RzDialogButtons1ClickOk()
{
    if (RzComboBoxGroupName->count() == 0) {
        TMessageBox::Warning(this, QStringLiteral("请先建立快速启动类别"));
        return;
    }
    if (RzEditText->text().isEmpty()) {
        TMessageBox::Warning(this, QStringLiteral("快速启动名称不能为空"));
        return;
    }
    if (RzEditShortCut->text().isEmpty()) {
        TMessageBox::Warning(this, QStringLiteral("程序不能为空"));
        return;
    }
    accept();
}
