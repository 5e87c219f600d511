#pragma once

#include <QDate>
#include <QDialog>
#include <QStringList>
#include <QTime>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace Ui {
class TF_usb;
}

namespace lumetra {

class ProgramPreparation;
class TF_seltime;
class UserPrompts;
class Workspace;
struct AddressSelectors;
struct TransferProgress;

// What the export dialog works with, all owned by the main window.
struct UsbDialogParts
{
    Workspace *workspace = nullptr;
    ProgramPreparation *preparation = nullptr;
    const AddressSelectors *selectors = nullptr;
    UserPrompts *prompts = nullptr;
    TF_seltime *timeDialog = nullptr;
    QDate *clockDate = nullptr; // UsbClockDate
    QTime *clockTime = nullptr; // UsbClockTime
    // Runs a dialog modally; tests answer it instead. Returns its result.
    std::function<int(QDialog &)> runModal;
};

// "U盘数据保存": the disk, the border and clock choices, and the export.
class TF_usb : public QDialog
{
    Q_OBJECT
public:
    TF_usb(const UsbDialogParts &parts, QWidget *parent = nullptr);
    ~TF_usb() override;

    // The mounted volumes' root folders, removable disks first.
    static QStringList volumes();

    QComboBox *drives() const;
    QCheckBox *borderBox() const;
    QCheckBox *clockBox() const;
    QPushButton *editTimeButton() const;
    QPushButton *saveButton() const;
    QProgressBar *progressBar() const;
    QLabel *panel(int index) const { return m_panels[index]; }

    // "保存": the export to the chosen disk, then its message.
    void BitBtn1Click();
    // "编辑时间".
    void Button1Click();

private:
    void showProgress(const TransferProgress &progress);

    UsbDialogParts m_parts;
    std::unique_ptr<Ui::TF_usb> m_ui;
    QLabel *m_panels[3] = {};
};

} // namespace lumetra
