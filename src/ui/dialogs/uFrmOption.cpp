#include "ui/dialogs/uFrmOption.h"

#include "platform/Platform.h"
#include "settings/uEnvironment.h"
#include "ui/common/Guard.h"
#include "ui/common/MessageBox.h"
#include "ui/dialogs/DialogButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString RemoveDriveName = QStringLiteral("removedrive");

} // namespace

TfrmOption::TfrmOption(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOption"));
    setWindowTitle(QStringLiteral("设置"));

    auto* general = new QGroupBox(QStringLiteral("通用"), this);
    general->setObjectName(QStringLiteral("RzGroupBox1"));
    RzCheckBoxAutoRun = new QCheckBox(QStringLiteral("Windows启动时运行"), general);
    RzCheckBoxAutoRun->setObjectName(QStringLiteral("RzCheckBoxAutoRun"));
    RzCheckBoxMinimizeToSystemTray = new QCheckBox(QStringLiteral("启动时最小化到系统托盘"), general);
    RzCheckBoxMinimizeToSystemTray->setObjectName(QStringLiteral("RzCheckBoxMinimizeToSystemTray"));
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(RzCheckBoxAutoRun);
    generalLayout->addWidget(RzCheckBoxMinimizeToSystemTray);

    auto* media = new QGroupBox(QStringLiteral("移动介质"), this);
    media->setObjectName(QStringLiteral("RzGroupBox2"));
    auto* label = new QLabel(QStringLiteral("%removedrive%"), media);
    label->setObjectName(QStringLiteral("RzLabel1"));
    RzComboBoxDrive = new QComboBox(media);
    RzComboBoxDrive->setObjectName(QStringLiteral("RzComboBoxDrive"));
    // Drives here are mount points such as /media/alice/STICK: the box grows to show them whole.
    RzComboBoxDrive->setMinimumWidth(60);
    RzComboBoxDrive->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    label->setBuddy(RzComboBoxDrive);
    RzCheckBoxARDV = new QCheckBox(QStringLiteral("启动时自动纠正%removedrive%值"), media);
    RzCheckBoxARDV->setObjectName(QStringLiteral("RzCheckBoxARDV"));
    auto* driveRow = new QHBoxLayout;
    driveRow->addWidget(label);
    driveRow->addWidget(RzComboBoxDrive);
    driveRow->addStretch();
    auto* mediaLayout = new QVBoxLayout(media);
    mediaLayout->addLayout(driveRow);
    mediaLayout->addWidget(RzCheckBoxARDV);

    auto* buttons = MakeDialogButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(general);
    layout->addWidget(media);
    layout->addStretch();
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this,
            [this] { RunGuarded(this, [this] { RzDialogButtons1ClickOk(); }); });
    FormCreate();
    // Sized once the drive names are in, so that the longest of them shows whole.
    setFixedSize(QSize(292, 209).expandedTo(sizeHint()));
}

void TfrmOption::FormCreate()
{
    RzCheckBoxMinimizeToSystemTray->setChecked(AppEnvironment->GetMinimizeToSystemTray());
    RzCheckBoxARDV->setChecked(AppEnvironment->GetAutoCorrectRemoveDriveValue());
    FillDrives();
    RzCheckBoxAutoRun->setChecked(Platform::AutostartEntryExists());
}

void TfrmOption::FillDrives()
{
    RzComboBoxDrive->clear();
    RzComboBoxDrive->addItems(Platform::DriveList());
    // An undefined variable reads as "%removedrive%" and an absent drive matches nothing: then no entry
    // is selected and the box shows nothing.
    const QString current = AppEnvironment->GetRemoveDrive();
    int selected = -1;
    for (int i = 0; i < RzComboBoxDrive->count(); ++i) {
        if (RzComboBoxDrive->itemText(i).compare(current, Qt::CaseInsensitive) == 0) {
            selected = i;
            break;
        }
    }
    RzComboBoxDrive->setCurrentIndex(selected);
}

void TfrmOption::RzDialogButtons1ClickOk()
{
    // Only a drive the user chose is written, and only when it differs from the value in force: with no
    // entry selected the variable stays as it was instead of being emptied.
    const QString current = AppEnvironment->GetRemoveDrive();
    const bool driveChosen = RzComboBoxDrive->currentIndex() >= 0;
    const QString drive = RzComboBoxDrive->currentText();
    const bool driveChanged = driveChosen && drive != current;
    // A medium unplugged while the dialog was open must not become the drive that every path points at.
    if (driveChanged && !Platform::DriveList().contains(drive)) {
        TMessageBox::Error(this, QStringLiteral("驱动器%1已不可用，请重新选择").arg(drive));
        FillDrives();
        return;
    }

    AppEnvironment->SetMinimizeToSystemTray(RzCheckBoxMinimizeToSystemTray->isChecked());
    AppEnvironment->SetAutoCorrectRemoveDriveValue(RzCheckBoxARDV->isChecked());
    if (driveChanged && !AppEnvironment->SetEnvironmentValue(RemoveDriveName, drive))
        TMessageBox::Warning(this, QStringLiteral("无法保存%removedrive%的新值：%1").arg(drive));
    if (RzCheckBoxAutoRun->isChecked())
        Platform::WriteAutostartEntry(Platform::ProgramFilePath());
    else
        Platform::RemoveAutostartEntry();
    accept();
}
