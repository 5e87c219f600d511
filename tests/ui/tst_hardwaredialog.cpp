#include "support/virtualsign.h"
#include "uifixture.h"

#include "model/apphome.h"
#include "model/gbk.h"
#include "model/inidocument.h"
#include "ui/app/commandtable.h"
#include "ui/app/statuspanels.h"
#include "ui/link/controlcommands.h"
#include "ui/link/portsetupdialog.h"
#include "ui/link/sendcommands.h"
#include "ui/link/tfmana.h"
#include "ui/link/tfset1.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace lumetra;
using namespace lumetra::test;

namespace {

const QString SizeMessage = QStringLiteral("该注意显示屏的大小改变,系统对各节目做自适应调整,请\r\n"
                                           "查看一下当前节目表中的所有节目的分区大小和信息是否还符合你的要求。");
const QString NoAnswer = QStringLiteral("可能没有连接到控制卡或通讯线接触不好，请检查一下后重新操作。");

template <class T> T *control(QWidget &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

bool checked(QWidget &dialog, const char *group, int item)
{
    return control<QRadioButton>(dialog, QByteArray(group).append('_').append(QByteArray::number(item)).constData())
        ->isChecked();
}

void click(QWidget &dialog, const char *name)
{
    control<QPushButton>(dialog, name)->click();
}

QByteArray fileKey(const QString &home, const char16_t *section, const char16_t *key)
{
    const IniDocument ini = IniDocument::load(AppHome::defaultProjectPath(home));
    return ini.value(toGbk(QStringView(section)), toGbk(QStringView(key)), QByteArray());
}

// "硬件配置" from the menu: the gate gets the password, and when the
// dialog opens it is handed to use. True when the dialog opened.
bool openHardware(WindowFixture &f, const QString &password, const std::function<void(TF_SET1 &)> &use = {})
{
    bool opened = false;
    f.window().controlCommands()->setModalRunner([&](QDialog &dialog) {
        if (auto *gate = qobject_cast<TFMANA *>(&dialog)) {
            gate->setResult(QDialog::Rejected);
            gate->show();
            gate->passwordEdit()->setText(password);
            gate->confirmButton()->click();
            gate->hide();
            return gate->result();
        }
        if (auto *hardware = qobject_cast<TF_SET1 *>(&dialog)) {
            opened = true;
            if (use)
                use(*hardware);
        }
        return int(QDialog::Rejected);
    });
    f.window().commands()->menuHardware->trigger();
    return opened;
}

// A 128 x 32 sign with one template-2 program whose slot 1 is 16 high.
void twoZoneProgram(Workspace &ws)
{
    DisplayRecord &d = ws.display();
    ws.WorkingSettings.ScreenWidth = d.ScreenWidth = 128;
    ws.WorkingSettings.ScreenHeight = d.ScreenHeight = 32;
    d.ProgramCount = 1;
    ws.WorkingProgramCount = 1;
    ProgramRecord &p = d.Programs[1];
    p.Template = 2;
    p.ZoneCount = 2;
    p.Zones[1] = ZoneRecord{};
    p.Zones[1].Width = 128;
    p.Zones[1].Height = 16;
    p.Zones[2] = ZoneRecord{};
    p.Zones[2].Y = 16;
    p.Zones[2].Width = 128;
    p.Zones[2].Height = 16;
}

} // namespace

class TestHardwareDialog : public QObject
{
    Q_OBJECT

private slots:
    void gate_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("button"); // pressed in the dialog first, if any
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("opens");
        QTest::newRow("wrong password") << "947"
                                        << ""
                                        << "946" << false;
        QTest::newRow("empty entry, password set") << "947"
                                                   << ""
                                                   << "" << false;
        QTest::newRow("cancelled, empty entry") << "1234"
                                                << "BitBtn61"
                                                << "" << true;
        QTest::newRow("cancelled, old password") << "1234"
                                                 << "BitBtn61"
                                                 << "1234" << false;
        QTest::newRow("factory, 947") << "1234"
                                      << "BitBtn9"
                                      << "947" << true;
        QTest::newRow("factory, old password") << "1234"
                                               << "BitBtn9"
                                               << "1234" << false;
    }
    void gate()
    {
        QFETCH(QString, stored);
        QFETCH(QString, button);
        QFETCH(QString, entry);
        QFETCH(bool, opens);
        WindowFixture f;
        f.ws().display().Password = stored.toLatin1();
        f.ws().WorkingSettings.Password = stored.toLatin1();
        if (!button.isEmpty()) {
            QVERIFY(openHardware(f, stored, [&](TF_SET1 &d) { click(d, button.toLatin1().constData()); }));
            QCOMPARE(f.window().statusPanels()->panel(9)->text(), QStringLiteral("注册用户:947"));
        }
        QVERIFY(f.prompts().shown.isEmpty());
        QCOMPARE(openHardware(f, entry), opens);
        QCOMPARE(f.prompts().shown, opens ? QStringList() : QStringList{QStringLiteral("密码错误,请重新录入。")});
        // The controller items come back whichever way the gate went.
        QVERIFY(f.window().commands()->menuPowerOn->isEnabled());
    }

    void userTab()
    {
        WindowFixture f;
        f.ws().display().Password = "947";
        f.ws().WorkingSettings.UserName = "947";
        f.ws().WorkingSettings.Password = "947";
        QVERIFY(openHardware(f, "947", [&](TF_SET1 &d) {
            QCOMPARE(control<QLineEdit>(d, "old_password")->echoMode(), QLineEdit::Password);
            QCOMPARE(control<QLineEdit>(d, "new_password")->echoMode(), QLineEdit::Password);
            control<QLineEdit>(d, "old_user")->setText("947");
            control<QLineEdit>(d, "old_password")->setText("946");
            control<QLineEdit>(d, "new_user")->setText(QStringLiteral("店长"));
            control<QLineEdit>(d, "new_password")->setText("2468");
            click(d, "BitBtn10");
            QCOMPARE(f.prompts().shown, QStringList{QStringLiteral("用户信息录入不正确.")});
            QCOMPARE(f.ws().display().Password, QByteArray("947"));
            control<QLineEdit>(d, "old_password")->setText("947");
            click(d, "BitBtn10");
        }));
        QCOMPARE(f.prompts().shown.size(), 1);
        QCOMPARE(f.window().statusPanels()->panel(9)->text(), QStringLiteral("注册用户:店长"));
        const IniDocument ini = IniDocument::load(f.ws().ProjectPath);
        QCOMPARE(ini.value(toGbk(u"用户信息"), toGbk(u"用户名"), {}), toGbk(u"店长"));
        QCOMPARE(ini.value(toGbk(u"用户信息"), toGbk(u"密码"), {}), QByteArray("2468"));
        QVERIFY(!openHardware(f, "947"));
        QVERIFY(openHardware(f, "2468"));
    }

    void openingFillsTheControls_data()
    {
        QTest::addColumn<int>("board");
        QTest::addColumn<int>("refresh");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("color");
        QTest::addColumn<int>("gray");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("cardModel");
        QTest::addColumn<int>("address");
        QTest::addColumn<bool>("usb");
        QTest::addColumn<bool>("data");
        QTest::addColumn<bool>("oe");
        QTest::addColumn<int>("linkType");
        QTest::addColumn<int>("cardItem");
        // Types 1 and 2 clear both logic boxes as the group is set: the stored
        // levels must still win, as they are filled afterwards.
        QTest::newRow("A, indoor") << 0 << 100 << 128 << 16 << 0 << 0 << 127 << "A类卡" << 1 << false << true << true
                                   << 0 << 0;
        QTest::newRow("B, P16, own levels")
            << 1 << 60 << 256 << 32 << 1 << 2 << 90 << "B类卡" << 7 << true << true << false << 1 << 1;
        QTest::newRow("C, all cards") << 3 << 255 << 2048 << 128 << 2 << 4 << 10 << "C类卡" << 129 << false << false
                                      << true << 3 << 2;
        QTest::newRow("other class reads as C")
            << 2 << 20 << 16 << 16 << 0 << 1 << 255 << "D类卡" << 128 << true << false << false << 2 << 2;
    }
    void openingFillsTheControls()
    {
        QFETCH(int, board);
        QFETCH(int, refresh);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, color);
        QFETCH(int, gray);
        QFETCH(int, threshold);
        QFETCH(QString, cardModel);
        QFETCH(int, address);
        QFETCH(bool, usb);
        QFETCH(bool, data);
        QFETCH(bool, oe);
        QFETCH(int, linkType);
        QFETCH(int, cardItem);
        WindowFixture f;
        f.ws().display().Password.clear();
        f.ws().display().BaudRate = 9600;
        WorkingSettingsRecord &w = f.ws().WorkingSettings;
        w.UnitBoardType = board;
        w.RefreshRate = refresh;
        w.ScreenWidth = width;
        w.ScreenHeight = height;
        w.ColorType = color;
        w.GrayLevel = gray;
        w.ColorThreshold = threshold;
        w.CardModel = toGbk(cardModel);
        w.CardAddress = address;
        w.UsbCarriesSettings = usb ? 1 : 0;
        w.DataLogic = data ? 1 : 0;
        w.OeLogic = oe ? 1 : 0;
        w.LinkType = linkType;
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) {
            QVERIFY(checked(d, "RadioGroup1", board));
            QCOMPARE(control<QSpinBox>(d, "SpinEdit2")->value(), refresh);
            QCOMPARE(control<QSpinBox>(d, "edit12")->value(), width);
            QCOMPARE(control<QSpinBox>(d, "SpinEdit1")->value(), height);
            QCOMPARE(control<QComboBox>(d, "ComboBox5")->currentIndex(), color);
            QCOMPARE(control<QComboBox>(d, "ComboBox1")->currentIndex(), gray);
            QCOMPARE(control<QSpinBox>(d, "SpinEdit3")->value(), threshold);
            QCOMPARE(control<QComboBox>(d, "ComboBox2")->currentIndex(), address - 1);
            QCOMPARE(control<QCheckBox>(d, "CheckBox1")->isChecked(), usb);
            QCOMPARE(control<QCheckBox>(d, "CheckBox4")->isChecked(), data);
            QCOMPARE(control<QCheckBox>(d, "CheckBox11")->isChecked(), oe);
            QVERIFY(checked(d, "RadioGroup3", cardItem));
            QVERIFY(checked(d, "RadioGroup2", linkType));
            QCOMPARE(control<QComboBox>(d, "ComboBox3")->currentText(), QStringLiteral("1"));
            QCOMPARE(d.modifiedFlag(), 0);
            // The read button belongs to B and C cards; opening one sets its rate at once.
            QCOMPARE(!control<QPushButton>(d, "BitBtn5")->isHidden(), cardItem != 0);
        }));
        const int baud = cardItem == 0 ? 9600 : 19200;
        QCOMPARE(f.ws().display().BaudRate, baud);
        if (cardItem != 0)
            QCOMPARE(fileKey(f.home(), u"显示屏串口", u"波特率"), QByteArray::number(baud));
    }

    void controlRanges()
    {
        WindowFixture f;
        f.ws().display().Password.clear();
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("硬件配置"));
            const struct
            {
                const char *name;
                int min, max, step;
            } spins[] = {{"SpinEdit2", 20, 255, 5},
                         {"edit12", 16, 2048, 16},
                         {"SpinEdit1", 16, 128, 8},
                         {"SpinEdit3", 10, 255, 1}};
            for (const auto &s : spins) {
                auto *spin = control<QSpinBox>(d, s.name);
                QCOMPARE(spin->minimum(), s.min);
                QCOMPARE(spin->maximum(), s.max);
                QCOMPARE(spin->singleStep(), s.step);
            }
            for (const char *list : {"ComboBox2", "ComboBox3"}) {
                QCOMPARE(control<QComboBox>(d, list)->count(), 129);
                QCOMPARE(control<QComboBox>(d, list)->itemText(128), QStringLiteral("所有卡"));
                QCOMPARE(control<QComboBox>(d, list)->itemText(0), QStringLiteral("1"));
            }
            QCOMPARE(control<QComboBox>(d, "ComboBox1")->itemText(4), QStringLiteral("65536等级灰度"));
            QCOMPARE(control<QRadioButton>(d, "RadioGroup1_3")->text(), QStringLiteral("12接口（P10）"));
        }));
    }

    void moduleTypeSetsBothLevels_data()
    {
        QTest::addColumn<int>("board");
        QTest::addColumn<bool>("level");
        QTest::newRow("F5, F3.75") << 0 << true;
        QTest::newRow("P16") << 1 << false;
        QTest::newRow("08 P10") << 2 << false;
        QTest::newRow("12 P10") << 3 << true;
    }
    void moduleTypeSetsBothLevels()
    {
        QFETCH(int, board);
        QFETCH(bool, level);
        WindowFixture f;
        f.ws().display().Password.clear();
        // Start on a type whose levels are the opposite, with the boxes as stored.
        f.ws().WorkingSettings.UnitBoardType = level ? 1 : 0;
        f.ws().WorkingSettings.DataLogic = level ? 0 : 1;
        f.ws().WorkingSettings.OeLogic = level ? 0 : 1;
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) {
            QCOMPARE(d.modifiedFlag(), 0);
            QTest::mouseClick(control<QRadioButton>(d, QByteArray("RadioGroup1_").append(QByteArray::number(board))),
                              Qt::LeftButton);
            QCOMPARE(control<QCheckBox>(d, "CheckBox4")->isChecked(), level);
            QCOMPARE(control<QCheckBox>(d, "CheckBox11")->isChecked(), level);
            QCOMPARE(d.modifiedFlag(), 200);
        }));
    }

    void cardClassSetsTheRate_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("baud");
        QTest::addColumn<QString>("model");
        QTest::newRow("B to A") << "B类卡" << 0 << 4800 << "A类卡";
        QTest::newRow("A to B") << "A类卡" << 1 << 19200 << "B类卡";
        QTest::newRow("A to C") << "A类卡" << 2 << 19200 << "C类卡";
    }
    void cardClassSetsTheRate()
    {
        QFETCH(QString, from);
        QFETCH(int, item);
        QFETCH(int, baud);
        QFETCH(QString, model);
        WindowFixture f;
        f.ws().display().Password.clear();
        f.ws().display().CardModel = toGbk(from);
        f.ws().WorkingSettings.CardModel = toGbk(from);
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) {
            QTest::mouseClick(control<QRadioButton>(d, QByteArray("RadioGroup3_").append(QByteArray::number(item))),
                              Qt::LeftButton);
            QCOMPARE(!control<QPushButton>(d, "BitBtn5")->isHidden(), item != 0);
            QCOMPARE(d.modifiedFlag(), 200);
            QCOMPARE(f.window().statusPanels()->panel(5)->text(), QString::number(baud));
        }));
        QCOMPARE(f.ws().display().BaudRate, baud);
        QCOMPARE(f.ws().display().CardModel, toGbk(model));
        QCOMPARE(fileKey(f.home(), u"显示屏串口", u"波特率"), QByteArray::number(baud));
    }

    void saveFitsTheZonesAndWritesTheDefaultProject()
    {
        WindowFixture f;
        f.ws().display().Password.clear();
        twoZoneProgram(f.ws());
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) {
            control<QSpinBox>(d, "SpinEdit1")->setValue(48);
            control<QComboBox>(d, "ComboBox5")->setCurrentIndex(1);
            control<QSpinBox>(d, "SpinEdit3")->setValue(99);
            QTest::mouseClick(control<QRadioButton>(d, "RadioGroup1_3"), Qt::LeftButton);
            QCOMPARE(d.modifiedFlag(), 200);
            click(d, "BitBtn4");
            QCOMPARE(d.modifiedFlag(), 0);
        }));
        QCOMPARE(f.prompts().shown, QStringList{SizeMessage});
        const ProgramRecord &p = f.ws().display().Programs[1];
        QCOMPARE(p.Zones[1].Height, 16);
        QCOMPARE(p.Zones[2].Height, 32);
        QCOMPARE(f.ws().WorkingSettings.ScreenHeight, 48);
        QCOMPARE(f.window().statusPanels()->panel(0)->text(), QStringLiteral("显示屏大小:48*128"));
        QCOMPARE(f.window().statusPanels()->panel(1)->text(), QStringLiteral("双色"));
        QCOMPARE(f.window().statusPanels()->panel(2)->text(), QStringLiteral("P10单元板"));
        QCOMPARE(fileKey(f.home(), u"显示屏参数", u"显示屏高度"), QByteArray("48"));
        QCOMPARE(fileKey(f.home(), u"显示屏参数", u"显示屏颜色类型"), QByteArray("1"));
        QCOMPARE(fileKey(f.home(), u"显示屏参数", u"颜色阀值"), QByteArray("99"));
        QCOMPARE(fileKey(f.home(), u"显示屏参数", u"单元板接口类型"), QByteArray("3"));
        QCOMPARE(fileKey(f.home(), u"显示屏参数", u"显示屏"), toGbk(u"显示屏-1"));
        QCOMPARE(fileKey(f.home(), u"节目1", u"上分区高度"), QByteArray("16"));
        QCOMPARE(fileKey(f.home(), u"节目1", u"左分区高度"), QByteArray("32"));
    }

    void sendSavesUnsavedChangesFirst()
    {
        VirtualSign sign;
        QVERIFY(sign.start());
        WindowFixture f;
        f.ws().display().Password.clear();
        f.ws().display().CardModel = toGbk(u"B类卡");
        f.ws().WorkingSettings.CardModel = toGbk(u"B类卡");
        f.window().sendCommands()->selectPort(sign.link());
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) {
            // Untouched: sent as it is, without the message.
            click(d, "BitBtn2");
            QVERIFY(f.prompts().shown.isEmpty());
            QVERIFY(control<QPushButton>(d, "BitBtn2")->isEnabled());
            control<QSpinBox>(d, "edit12")->setValue(192);
            click(d, "BitBtn2");
        }));
        QCOMPARE(f.prompts().shown, QStringList{SizeMessage});
        QCOMPARE(f.ws().display().ScreenWidth, 192);
        QTRY_VERIFY(sign.log().contains("\"width\":192"));
        QCOMPARE(sign.log().count("\"frame\":\"screen-set\""), 2);
    }

    void thresholdAloneIsSavedBeforeSending()
    {
        VirtualSign sign;
        QVERIFY(sign.start());
        WindowFixture f;
        Workspace &ws = f.ws();
        ws.display().Password.clear();
        ws.display().CardModel = ws.WorkingSettings.CardModel = toGbk(u"B类卡");
        ws.display().ColorThreshold = ws.WorkingSettings.ColorThreshold = 127;
        f.window().sendCommands()->selectPort(sign.link());
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) {
            control<QSpinBox>(d, "SpinEdit3")->setValue(60);
            click(d, "BitBtn2");
        }));
        // Otherwise the card would get the old threshold without a word.
        QCOMPARE(f.prompts().shown, QStringList{SizeMessage});
        QCOMPARE(ws.display().ColorThreshold, 60);
        QCOMPARE(fileKey(f.home(), u"显示屏参数", u"颜色阀值"), QByteArray("60"));
        QTRY_VERIFY(sign.log().contains("\"frame\":\"screen-set\""));
    }

    void sendWithoutACard()
    {
        QTemporaryDir dir;
        WindowFixture f;
        f.ws().display().Password.clear();
        f.window().sendCommands()->selectPort(dir.filePath(QStringLiteral("no-such-port")));
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) { click(d, "BitBtn2"); }));
        QCOMPARE(f.prompts().shown, QStringList{QStringLiteral("串口数据发送失败。")});
    }

    void readFillsTheDialogFromTheCard()
    {
        // 192 x 48 (width byte 24), refresh 80, two colours, grey 2, module
        // byte 3 (type 2, which clears both levels) with data logic on.
        QByteArray block = QByteArray::fromHex("01 01 10 50 ff 18 30 02 ff 01 02 ff ff 03 01 00 10"
                                               "07 00 07 00 96 96 ff 07 00 13 00 ff ff ff");
        VirtualSign sign;
        QVERIFY(sign.startWithParameters(QStringLiteral("C"), block));
        WindowFixture f;
        Workspace &ws = f.ws();
        ws.display().Password.clear();
        twoZoneProgram(ws);
        ws.display().CardModel = ws.WorkingSettings.CardModel = toGbk(u"B类卡");
        // All cards: the card answers as 0xFF, which reads back as 129.
        ws.display().CardAddress = ws.WorkingSettings.CardAddress = 129;
        f.window().sendCommands()->selectPort(sign.link());
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) {
            QVERIFY(!control<QPushButton>(d, "BitBtn5")->isHidden());
            click(d, "BitBtn5");
            QCOMPARE(control<QSpinBox>(d, "edit12")->value(), 192);
            QCOMPARE(control<QSpinBox>(d, "SpinEdit1")->value(), 48);
            QCOMPARE(control<QSpinBox>(d, "SpinEdit2")->value(), 80);
            QCOMPARE(control<QComboBox>(d, "ComboBox5")->currentIndex(), 1);
            QCOMPARE(control<QComboBox>(d, "ComboBox1")->currentIndex(), 2);
            QCOMPARE(control<QComboBox>(d, "ComboBox2")->currentIndex(), 128);
            QVERIFY(checked(d, "RadioGroup1", 2));
            QVERIFY(control<QCheckBox>(d, "CheckBox4")->isChecked());
            QVERIFY(!control<QCheckBox>(d, "CheckBox11")->isChecked());
            QVERIFY(checked(d, "RadioGroup3", 2));
            QVERIFY(control<QPushButton>(d, "BitBtn5")->isEnabled());
            // What was read is saved at once.
            QCOMPARE(d.modifiedFlag(), 0);
        }));
        QCOMPARE(f.prompts().shown, QStringList{SizeMessage});
        QCOMPARE(ws.display().CardAddress, 129);
        QCOMPARE(ws.WorkingSettings.ScreenWidth, 192);
        QCOMPARE(ws.WorkingSettings.UnitBoardType, 2);
        QCOMPARE(ws.display().CardModel, toGbk(u"C类卡"));
        // The power and brightness times come from the card into the record only.
        QCOMPARE(int(ws.display().DayBrightness), 0x96);
        QCOMPARE(ws.display().Programs[1].Zones[2].Height, 32);
        QCOMPARE(fileKey(f.home(), u"显示屏参数", u"显示屏宽度"), QByteArray("192"));
        QCOMPARE(fileKey(f.home(), u"显示屏参数", u"控制卡型号"), toGbk(u"C类卡"));
        QCOMPARE(fileKey(f.home(), u"显示屏参数", u"控制卡地址"), QByteArray("129"));
        QVERIFY(sign.log().contains("\"frame\":\"read-parameters\""));
    }

    void readKeepsWhatTheControlsCannotShow()
    {
        // Colour 7, grey 9 and module byte 0 (type -1) have no item.
        QByteArray block = QByteArray::fromHex("01 01 10 64 ff 10 20 02 ff 07 09 ff ff 00 01 01 10"
                                               "07 00 07 00 96 96 ff 07 00 13 00 ff ff ff");
        VirtualSign sign;
        QVERIFY(sign.startWithParameters(QStringLiteral("B"), block));
        WindowFixture f;
        Workspace &ws = f.ws();
        ws.display().Password.clear();
        ws.display().CardModel = ws.WorkingSettings.CardModel = toGbk(u"B类卡");
        ws.display().CardAddress = ws.WorkingSettings.CardAddress = 1;
        ws.WorkingSettings.ColorType = 1;
        ws.WorkingSettings.GrayLevel = 0;
        ws.WorkingSettings.UnitBoardType = 3;
        f.window().sendCommands()->selectPort(sign.link());
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) {
            click(d, "BitBtn5");
            QCOMPARE(control<QComboBox>(d, "ComboBox5")->currentIndex(), 1);
            QCOMPARE(control<QComboBox>(d, "ComboBox1")->currentIndex(), 0);
            QVERIFY(checked(d, "RadioGroup1", 3));
            QVERIFY(checked(d, "RadioGroup3", 1));
        }));
        QCOMPARE(fileKey(f.home(), u"显示屏参数", u"显示屏颜色类型"), QByteArray("1"));
        QCOMPARE(fileKey(f.home(), u"显示屏参数", u"显示屏灰度"), QByteArray("0"));
        QCOMPARE(fileKey(f.home(), u"显示屏参数", u"单元板接口类型"), QByteArray("3"));
        QCOMPARE(ws.display().UnitBoardType, 3);
    }

    void readFailures_data()
    {
        QTest::addColumn<bool>("portExists");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("saved");
        QTest::newRow("no answer") << true << NoAnswer << false;
        QTest::newRow("port error") << false << QStringLiteral("串口数据发送失败。") << true;
    }
    void readFailures()
    {
        QFETCH(bool, portExists);
        QFETCH(QString, message);
        QFETCH(bool, saved);
        VirtualSign sign;
        QVERIFY(sign.start(QStringLiteral("B")));
        QTemporaryDir dir;
        WindowFixture f;
        Workspace &ws = f.ws();
        ws.display().Password.clear();
        ws.display().CardModel = ws.WorkingSettings.CardModel = toGbk(u"B类卡");
        // The card sits at address 1 and keeps quiet for address 9.
        ws.display().CardAddress = ws.WorkingSettings.CardAddress = 9;
        f.window().sendCommands()->selectPort(portExists ? sign.link() : dir.filePath(QStringLiteral("gone")));
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) {
            click(d, "BitBtn5");
            QVERIFY(control<QPushButton>(d, "BitBtn5")->isEnabled());
        }));
        QStringList expected{message};
        if (saved)
            expected << SizeMessage;
        QCOMPARE(f.prompts().shown, expected);
    }

    void readRefusedForClassA()
    {
        VirtualSign sign;
        QVERIFY(sign.start(QStringLiteral("A")));
        WindowFixture f;
        Workspace &ws = f.ws();
        ws.display().Password.clear();
        ws.display().CardModel = ws.WorkingSettings.CardModel = toGbk(u"A类卡");
        f.window().sendCommands()->selectPort(sign.link());
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) {
            QVERIFY(control<QPushButton>(d, "BitBtn5")->isHidden());
            d.BitBtn5Click();
        }));
        QVERIFY(f.prompts().shown.isEmpty());
        QVERIFY(!sign.log().contains("read-parameters"));
    }

    void linkTests_data()
    {
        QTest::addColumn<QString>("signClass"); // "" for a port nobody holds
        QTest::addColumn<QString>("cardModel");
        QTest::addColumn<int>("address");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("shown");
        const QString info = QStringLiteral("信息提示");
        QTest::newRow("link, B answers") << "B"
                                         << "B类卡" << 1 << "Button2" << QStringList{info}
                                         << QStringList{QStringLiteral("通讯测试,通讯正常。")};
        QTest::newRow("link, A never fails")
            << "A"
            << "A类卡" << 1 << "Button2" << QStringList{info}
            << QStringList{QStringLiteral("A类卡请查看显示屏上是不是显示《通讯测试》,如果是通讯正常。")};
        QTest::newRow("link, C silent") << "C"
                                        << "C类卡" << 9 << "Button2" << QStringList() << QStringList{NoAnswer};
        QTest::newRow("link, all cards silent") << "C"
                                                << "C类卡" << 129 << "Button2" << QStringList() << QStringList();
        QTest::newRow("link, port error") << ""
                                          << "B类卡" << 1 << "Button2" << QStringList() << QStringList();
        QTest::newRow("unit board, B answers")
            << "B"
            << "B类卡" << 1 << "Button4" << QStringList() << QStringList{QStringLiteral("通讯连接正常。")};
        QTest::newRow("unit board, A") << "A"
                                       << "A类卡" << 1 << "Button4" << QStringList() << QStringList();
        QTest::newRow("unit board, silent") << "B"
                                            << "B类卡" << 9 << "Button4" << QStringList() << QStringList{NoAnswer};
        QTest::newRow("unit board, port error")
            << ""
            << "B类卡" << 1 << "Button4" << QStringList() << QStringList{QStringLiteral("串口数据发送失败。")};
    }
    void linkTests()
    {
        QFETCH(QString, signClass);
        QFETCH(QString, cardModel);
        QFETCH(int, address);
        QFETCH(QString, button);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, shown);
        VirtualSign sign;
        if (!signClass.isEmpty())
            QVERIFY(sign.start(signClass));
        WindowFixture f;
        Workspace &ws = f.ws();
        ws.display().Password.clear();
        ws.display().CardModel = ws.WorkingSettings.CardModel = toGbk(cardModel);
        ws.display().CardAddress = ws.WorkingSettings.CardAddress = address;
        f.window().sendCommands()->selectPort(sign.link());
        QString caption;
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) {
            click(d, button.toLatin1().constData());
            caption = control<QPushButton>(d, "Button2")->text();
        }));
        QCOMPARE(caption, QStringLiteral("通讯测试"));
        QCOMPARE(f.prompts().captions, captions);
        QCOMPARE(f.prompts().shown, shown);
        if (!signClass.isEmpty())
            QTRY_VERIFY(sign.log().contains(button == "Button2" ? "communication-test" : "unit-board-test"));
    }

    void localPortSettings_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("set up, 确定") << "Button1" << true;
        QTest::newRow("set up, 取消") << "Button1" << false;
        QTest::newRow("save") << "BitBtn12" << true;
    }
    void localPortSettings()
    {
        QFETCH(QString, button);
        QFETCH(bool, confirm);
        QTemporaryDir dir;
        const QString chosen = dir.filePath(QStringLiteral("ttyChosen"));
        WindowFixture f;
        Workspace &ws = f.ws();
        ws.display().Password.clear();
        ws.display().CardModel = ws.WorkingSettings.CardModel = toGbk(u"A类卡");
        ws.display().SerialPort = "COM1";
        ws.display().BaudRate = 9600;
        ws.WorkingSettings.LinkType = 0;
        QString setupCaption;
        QVERIFY(openHardware(f, "", [&](TF_SET1 &d) {
            d.setModalRunner([&](QDialog &dialog) {
                auto *setup = qobject_cast<PortSetupDialog *>(&dialog);
                if (!setup)
                    return int(QDialog::Rejected);
                setupCaption = setup->windowTitle();
                setup->portBox()->setCurrentText(chosen);
                setup->rateBox()->setCurrentIndex(setup->rateBox()->findText("57600"));
                return int(confirm ? QDialog::Accepted : QDialog::Rejected);
            });
            click(d, button.toLatin1().constData());
        }));
        const bool changed = button == "Button1" && confirm;
        const bool stored = confirm;
        if (button == "Button1")
            QCOMPARE(setupCaption, QStringLiteral("设置窗体"));
        QCOMPARE(fromGbk(ws.display().SerialPort), changed ? chosen : QStringLiteral("COM1"));
        QCOMPARE(ws.display().BaudRate, changed ? 57600 : 9600);
        if (stored) {
            QCOMPARE(fileKey(f.home(), u"显示屏串口", u"波特率"), QByteArray(changed ? "57600" : "9600"));
            QCOMPARE(fromGbk(fileKey(f.home(), u"显示屏串口", u"串口")), changed ? chosen : QStringLiteral("COM1"));
            QCOMPARE(fileKey(f.home(), u"通讯方式", u"通讯类型"), QByteArray("0"));
            QCOMPARE(f.window().statusPanels()->panel(3)->text(), QStringLiteral("本地串口通讯"));
            QCOMPARE(f.window().statusPanels()->panel(5)->text(), changed ? QStringLiteral("57600") : "9600");
            QCOMPARE(f.window().statusPanels()->portSelector()->currentText(),
                     changed ? chosen : QStringLiteral("COM1"));
        }
        QVERIFY(f.prompts().shown.isEmpty());
    }

    void toolbarItemRunsTheSameGate()
    {
        WindowFixture f;
        f.ws().display().Password = "947";
        bool opened = false;
        bool itemsOff = false;
        f.window().controlCommands()->setModalRunner([&](QDialog &dialog) {
            if (auto *gate = qobject_cast<TFMANA *>(&dialog)) {
                gate->passwordEdit()->setText("947");
                gate->confirmButton()->click();
                return gate->result();
            }
            opened = qobject_cast<TF_SET1 *>(&dialog) != nullptr;
            itemsOff = !f.window().commands()->menuPowerOn->isEnabled();
            return int(QDialog::Rejected);
        });
        f.window().commands()->toolHardware->trigger();
        QVERIFY(opened);
        QVERIFY(itemsOff);
        QVERIFY(f.window().commands()->menuPowerOn->isEnabled());
    }
};

QTEST_MAIN(TestHardwareDialog)
#include "tst_hardwaredialog.moc"
