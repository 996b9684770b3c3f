#include "ConsoleFixture.h"
#include "ModeSetupWire.h"

#include "e2e/ModemRig.h"
#include "modes/TerminalModeState.h"
#include "protocol/ModemCommand.h"
#include "protocol/link/LinkState.h"
#include "ui/config/ConfigurationDialog.h"
#include "ui/config/ConfigurationWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace orvane {
namespace {

using testing::ModemRig;
using M = OperatingMode;
constexpr auto kAlt = Qt::AltModifier;
constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kPlain{};

// Who got a key the table passed on: the focused control or a menu.
enum class Reach { Nobody, Pane, FilesMenu };

// Counts the presses of one key that reach the focused control (the
// modifier keys pressed with it do not count).
class KeySpy : public QObject {
public:
    int key = 0;
    int presses = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == key)
            ++presses;
        return false;
    }
};

struct KeysConsole;

struct KeyCase {
    const char* name;
    Qt::KeyboardModifiers modifiers;
    int key;
    M mode;
    bool linkUp;
    bool txActive;
    const char* paneBefore; // the transmit pane's text, the caret at its end
    const char* paneAfter;  // nullptr: as before
    const char* wire;       // what the modem receives, hex
    Reach reach;
    std::function<void(KeysConsole&)> prepare = {};
    std::function<void(KeysConsole&)> check = {};
};

struct KeysConsole : ::testing::Test {
    ModemRig rig;
    ConsoleUnderTest t{rig.dir()};
    KeySpy spy;
    std::size_t wireStart = 0;
    std::string wireExpected;
    int dialogsBefore = 0;

    // Modal dialogs run since the key.
    int dialogsRun() const { return t.prompter.dialogsRun() - dialogsBefore; }

    void SetUp() override {
        rig.writeSettings("[system]\r\nComPort=1\r\nCode=QUORAL\r\n"
                          "[callsigns]\r\nMYCALL=ZX9ORV\r\nHISCALL=ZX1ABC\r\n");
        ASSERT_TRUE(t.startUp());
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        pane().installEventFilter(&spy);
        receivePane().installEventFilter(&spy);
    }
    MainWindow& window() { return t.console.mainWindow(); }
    QPlainTextEdit& pane() { return *window().transmitPane(); }
    QWidget& receivePane() { return *window().findChild<ReceivePane*>(); }
    LinkState& link() { return t.probe.link(); }
    TerminalModeState& terminal() { return t.probe.terminal(); }
    Settings& settings() { return t.probe.settings(); }
    template <class W = QWidget> W* child(const char* name) {
        return window().findChild<W*>(QString::fromLatin1(name));
    }
    bool shown(const char* name) { return child(name) && child(name)->isVisible(); }
    QString text(const char* name) { return child(name)->property("text").toString(); }
    // A toolbar button's caption.
    std::string caption(const char* name) {
        if (auto* action = child<QAction>(name)) return action->text().toStdString();
        return text(name).toStdString();
    }
    bool dialogChecked(const char* name) {
        auto& dialog = t.probe.configurationDialog();
        return dialog.findChild<QAbstractButton*>(QString::fromLatin1(name))->isChecked();
    }

    void reset(const KeyCase& row) {
        for (const char* panel :
             {"MycallPanel", "HisCallPanel", "AFChannelPanel", "FSKTonesPanel", "PModeTonesPanel",
              "HereIsPanel", "ToneTestBox", "DisconnectPanel", "OverBox", "CWIDBox", "PanicPanel"})
            if (QWidget* w = child(panel)) w->hide();
        t.probe.routing().RoutingPaused = false;
        t.probe.configChanged().clear();
        link().operatingMode = row.mode;
        link().linkUp = row.linkUp;
        link().txActive = row.txActive;
        terminal().polarityNormal = true;
        terminal().txEnabled = true;
        settings().RXPolaritySameAsTX = false;
        settings().B_SyncIdle = "OFF";
        settings().S_SyncIdle = "OFF";
        pane().setPlainText(QString::fromLatin1(row.paneBefore));
        pane().moveCursor(QTextCursor::End);
        pane().setFocus();
        if (row.prepare) row.prepare(*this);
        dialogsBefore = t.prompter.dialogsRun();
    }

    // The menu item showing the row's key beside its caption, if there is one.
    QAction* menuItemFor(const KeyCase& row) {
        const QString key =
            QKeySequence(QKeyCombination(row.modifiers, Qt::Key(row.key))).toString();
        for (QAction* action : window().findChildren<QAction*>())
            if (action->text().endsWith(QLatin1Char('\t') + key)) return action;
        return nullptr;
    }

    // The row's key pressed, or the menu item `viaItem` chosen instead.
    void run(const KeyCase& row, QAction* viaItem = nullptr) {
        SCOPED_TRACE(row.name);
        reset(row);
        spy.key = row.key;
        const int pressesBefore = spy.presses;
        QString after;
        {
            // The pump waits for the queue-empty event; held back here, it
            // cannot start sending what a key put into the pane.
            const QSignalBlocker pumpHeld(&window());
            if (viaItem)
                viaItem->trigger();
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(row.key), row.modifiers);
            after = pane().toPlainText();
            pane().clear();
        }
        EXPECT_EQ(after.toStdString(), row.paneAfter ? row.paneAfter : row.paneBefore);
        EXPECT_EQ(spy.presses - pressesBefore, row.reach == Reach::Pane ? 1 : 0);
        if (row.reach == Reach::FilesMenu) {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(popup, nullptr);
            EXPECT_EQ(popup->objectName(), "mnuFiles");
            popup->close();
        }
        if (row.check) row.check(*this);
        wireExpected += testing::wire(row.wire);
        ASSERT_TRUE(t.waitFor([&] {
            return rig.received().size() >= wireStart + wireExpected.size();
        })) << "the modem got "
            << toHex(bytesOf(rig.received().substr(wireStart)));
        EXPECT_EQ(toHex(bytesOf(rig.received().substr(wireStart))), toHex(bytesOf(wireExpected)));
    }
    static std::vector<std::uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }
};

const std::string kFox = "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG'S BACK 0123456789\n";

// Each key with its modifiers and the mode and link it meets, against what
// the modem receives, what changes and whether the focused control sees it.
// A refused key does nothing and is still kept from the control.
const std::vector<KeyCase> kCases = {
    // Plain keys (Shift alone is the same table).
    {"F1 help goes on", kPlain, Qt::Key_F1, M::Quoral, false, false, "", nullptr, "", Reach::Pane},
    {"Shift+F2 calls", kShift, Qt::Key_F2, M::Quoral, false, false, "", "ZX1ABC DE ZX9ORV ", "", Reach::Nobody},
    {"F3 his call", kPlain, Qt::Key_F3, M::Amtor, false, false, "at ", "at ZX1ABC ", "", Reach::Nobody},
    {"F4 own call", kPlain, Qt::Key_F4, M::Quoral, false, false, "", "ZX9ORV ", "", Reach::Nobody},
    {"F5 messages, display paused", kPlain, Qt::Key_F5, M::Amtor, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) {
         EXPECT_TRUE(k.shown("HereIsPanel"));
         EXPECT_TRUE(k.t.probe.routing().RoutingPaused);
         EXPECT_EQ(k.child("HereIsPanel")->findChild<QPlainTextEdit*>("edHereIs")->toPlainText(), "Here is #0");
     }},
    {"F6 OVER in AMTOR", kPlain, Qt::Key_F6, M::Amtor, false, false, "", "+?\n", "", Reach::Nobody},
    {"F6 polarity in Baudot", kPlain, Qt::Key_F6, M::Baudot, false, false, "", nullptr, "80 4B 80 4C", Reach::Nobody,
     nullptr, [](KeysConsole& k) {
         EXPECT_EQ(k.settings().B_Polarity, "REV");
         EXPECT_EQ(k.caption("butBaudotNormRev"), "Reverse");
         EXPECT_EQ(k.window().panel(panel::Format), "REV");
         EXPECT_TRUE(k.t.probe.configChanged().isSet());
     }},
    {"F6 refused in Quoral", kPlain, Qt::Key_F6, M::Quoral, false, false, "", nullptr, "", Reach::Nobody},
    {"F7 AMTOR link mid-line", kPlain, Qt::Key_F7, M::Amtor, true, false, "abc", "abc\nZZZZ\n\n", "", Reach::Nobody},
    {"F7 Quoral link mid-line", kPlain, Qt::Key_F7, M::Quoral, true, false, "abc", nullptr, "", Reach::Nobody},
    {"F7 Quoral link at line start", kPlain, Qt::Key_F7, M::Quoral, true, false, "abc\n", "abc\nZZZZ\n\n", "",
     Reach::Nobody},
    {"F7 Quoral link, nothing typed", kPlain, Qt::Key_F7, M::Quoral, true, false, "", nullptr, "80 07", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_TRUE(k.shown("DisconnectPanel")); }},
    {"F7 broadcast with text", kPlain, Qt::Key_F7, M::QuoralBroadcast, false, false, "cq", "cq\nZZZZ\n\n", "80 07",
     Reach::Nobody, nullptr, [](KeysConsole& k) { EXPECT_FALSE(k.shown("DisconnectPanel")); }},
    {"F7 Baudot with text", kPlain, Qt::Key_F7, M::Baudot, false, false, "RY", "RY\nZZZZ\n\n", "", Reach::Nobody},
    {"F7 Baudot, nothing typed", kPlain, Qt::Key_F7, M::Baudot, false, false, "", nullptr, "", Reach::Nobody},
    {"F8 nothing", kPlain, Qt::Key_F8, M::Quoral, false, false, "", nullptr, "", Reach::Nobody},
    {"F9 refused in a link", kPlain, Qt::Key_F9, M::PMode, true, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_EQ(k.dialogsRun(), 0); }},
    {"F9 call dialog", kPlain, Qt::Key_F9, M::Baudot, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_EQ(k.dialogsRun(), 1); }},
    {"F10 TX enable", kPlain, Qt::Key_F10, M::Ascii, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) {
         EXPECT_FALSE(k.terminal().txEnabled);
         EXPECT_EQ(k.caption("butAsciiTXEnable"), "TX DIS");
         EXPECT_EQ(k.caption("butQORTXEnable"), "TX DIS");
     }},

    // Ctrl keys.
    {"Ctrl+B bell off", kCtrl, Qt::Key_B, M::Quoral, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) {
         EXPECT_TRUE(k.shown("OverBox"));
         EXPECT_EQ(k.text("OverBox"), "  BELL OFF  ");
     }},
    {"Ctrl+B bell on", kCtrl, Qt::Key_B, M::Quoral, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_EQ(k.text("OverBox"), "  BELL ON  "); }},
    {"Ctrl+G currency sign", kCtrl, Qt::Key_G, M::Quoral, false, false, "", "\xC2\xA4", "", Reach::Nobody},
    {"Ctrl+H help goes on", kCtrl, Qt::Key_H, M::Quoral, false, false, "", nullptr, "", Reach::Pane},
    {"Ctrl+F3 his call panel in AMTOR", kCtrl, Qt::Key_F3, M::Amtor, false, false, "", nullptr, "", Reach::Nobody,
     [](KeysConsole& k) { k.settings().HISCALL476 = "KILO"; },
     [](KeysConsole& k) {
         EXPECT_TRUE(k.shown("HisCallPanel"));
         EXPECT_EQ(k.text("edHisCall"), "KILO");
         EXPECT_TRUE(k.t.probe.routing().RoutingPaused);
     }},
    {"Ctrl+F3 refused in a broadcast", kCtrl, Qt::Key_F3, M::AmtorBroadcast, false, false, "", nullptr, "",
     Reach::Nobody, nullptr, [](KeysConsole& k) { EXPECT_FALSE(k.shown("HisCallPanel")); }},
    {"Ctrl+F5 messages, display not paused", kCtrl, Qt::Key_F5, M::PMode, false, false, "", nullptr, "",
     Reach::Nobody, nullptr, [](KeysConsole& k) {
         EXPECT_TRUE(k.shown("HereIsPanel"));
         EXPECT_FALSE(k.t.probe.routing().RoutingPaused);
     }},
    {"Ctrl+F6 Forced OVER", kCtrl, Qt::Key_F6, M::PMode, true, false, "", nullptr, "80 87", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_EQ(k.text("OverBox"), " Forced OVER "); }},
    {"Ctrl+F6 refused in Quoral", kCtrl, Qt::Key_F6, M::Quoral, true, false, "", nullptr, "", Reach::Nobody},
    {"Ctrl+F7 panic", kCtrl, Qt::Key_F7, M::Quoral, false, false, "", nullptr, "81 06", Reach::Nobody},
    {"Ctrl+F9 AF channel", kCtrl, Qt::Key_F9, M::Quoral, false, false, "", nullptr, "", Reach::Nobody,
     [](KeysConsole& k) { k.settings().AFChannel = 2; },
     [](KeysConsole& k) {
         EXPECT_TRUE(k.shown("AFChannelPanel"));
         EXPECT_EQ(k.child<QSpinBox>("AFChannelSpin")->value(), 2);
     }},
    {"Ctrl+F9 refused in Baudot", kCtrl, Qt::Key_F9, M::Baudot, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_FALSE(k.shown("AFChannelPanel")); }},
    {"Ctrl+F10 TX enable", kCtrl, Qt::Key_F10, M::Quoral, false, false, "", nullptr, "", Reach::Nobody,
     [](KeysConsole& k) { k.terminal().txEnabled = false; },
     [](KeysConsole& k) {
         EXPECT_TRUE(k.terminal().txEnabled);
         EXPECT_EQ(k.caption("butAsciiTXEnable"), "TX EN ");
     }},
    {"Ctrl+F11 Quoral", kCtrl, Qt::Key_F11, M::Quoral, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_TRUE(k.shown("AFChannelPanel")); }},
    {"Ctrl+F11 P-Mode", kCtrl, Qt::Key_F11, M::PMode, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_TRUE(k.shown("PModeTonesPanel")); }},
    {"Ctrl+F11 PSK31 takes the ASCII tones", kCtrl, Qt::Key_F11, M::Psk31, false, false, "", nullptr, "",
     Reach::Nobody, nullptr, [](KeysConsole& k) {
         EXPECT_TRUE(k.shown("FSKTonesPanel"));
         auto& dialog = k.t.probe.configurationDialog();
         EXPECT_EQ(k.text("edMarkTone"), dialog.findChild<QLineEdit*>("AsciiMARK")->text());
     }},

    // Alt keys (with anything else held).
    {"Alt+F1 help goes on", kAlt, Qt::Key_F1, M::Quoral, false, false, "", nullptr, "", Reach::Pane},
    {"Alt+F4 CW ID now, window stays", kAlt, Qt::Key_F4, M::Quoral, false, false, "", nullptr, "80 0A",
     Reach::Nobody, nullptr, [](KeysConsole& k) {
         EXPECT_TRUE(k.window().isVisible());
         EXPECT_TRUE(k.shown("CWIDBox"));
     }},
    {"Alt+F5 refused in AMTOR", kAlt, Qt::Key_F5, M::Amtor, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_FALSE(k.shown("HereIsPanel")); }},
    {"Alt+F5 messages in PSK31", kAlt, Qt::Key_F5, M::Psk31, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_TRUE(k.shown("HereIsPanel")); }},
    {"Alt+F7 panic", kAlt, Qt::Key_F7, M::Amtor, true, false, "queued", "", "81 06", Reach::Nobody},
    {"Alt+F8 test tones", kAlt, Qt::Key_F8, M::Baudot, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_TRUE(k.shown("ToneTestBox")); }},
    {"Alt+F8 refused in a link", kAlt, Qt::Key_F8, M::Quoral, true, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_FALSE(k.shown("ToneTestBox")); }},
    {"Alt+F9 refused in a link", kAlt, Qt::Key_F9, M::Quoral, true, false, "", nullptr, "", Reach::Nobody},
    {"Alt+F10 leaves ASCII", kAlt, Qt::Key_F10, M::Quoral, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) {
         EXPECT_EQ(k.caption("butQORTXEnable"), "TX DIS");
         EXPECT_EQ(k.caption("butAsciiTXEnable"), "TX EN ");
     }},
    {"Alt+E saves received text", kAlt, Qt::Key_E, M::Quoral, false, false, "", nullptr, "", Reach::Nobody,
     [](KeysConsole& k) { k.t.prompter.chooseNextFile((k.rig.dir() / "keys.txt").string()); },
     [](KeysConsole& k) { EXPECT_TRUE(k.t.probe.capturing()); }},
    {"Alt+J stops it", kAlt, Qt::Key_J, M::Quoral, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_FALSE(k.t.probe.capturing()); }},
    {"Alt+J stop ends the line under Baudot's sync idle, in Quoral too", kAlt, Qt::Key_J, M::Quoral,
     false, false, "", nullptr, "0D 0A", Reach::Nobody, [](KeysConsole& k) {
         k.settings().B_SyncIdle = "ON";
         k.terminal().endOfLineSequence = "\r\n";
     }},
    {"Alt+G letters in Baudot", kAlt, Qt::Key_G, M::Baudot, false, false, "", nullptr, "80 89", Reach::Nobody},
    {"Alt+G refused in ASCII", kAlt, Qt::Key_G, M::Ascii, false, false, "", nullptr, "", Reach::Nobody},
    {"Alt+I CW ID on", kAlt, Qt::Key_I, M::Quoral, false, false, "", nullptr, "80 55", Reach::Nobody,
     [](KeysConsole& k) { k.settings().CWID = "off"; },
     [](KeysConsole& k) {
         EXPECT_EQ(k.settings().CWID, "ON");
         EXPECT_EQ(k.text("DisconnectPanel"), "CW ID ON");
         EXPECT_TRUE(k.dialogChecked("sysCWIDON"));
         EXPECT_TRUE(k.t.probe.configChanged().isSet());
     }},
    {"Alt+I CW ID off", kAlt, Qt::Key_I, M::Quoral, false, false, "", nullptr, "80 45", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_TRUE(k.dialogChecked("sysCWIDOFF")); }},
    {"Alt+M own call panel", kAlt, Qt::Key_M, M::Quoral, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) {
         EXPECT_TRUE(k.shown("MycallPanel"));
         EXPECT_EQ(k.text("edMycall"), "ZX9ORV");
         EXPECT_TRUE(k.t.probe.routing().RoutingPaused);
     }},
    {"Alt+M refused in a link", kAlt, Qt::Key_M, M::Quoral, true, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_FALSE(k.shown("MycallPanel")); }},
    {"Alt+M refused in a broadcast", kAlt, Qt::Key_M, M::PModeUnproto, false, false, "", nullptr, "",
     Reach::Nobody, nullptr, [](KeysConsole& k) { EXPECT_FALSE(k.shown("MycallPanel")); }},
    {"Alt+N polarity in ASCII", kAlt, Qt::Key_N, M::Ascii, false, false, "", nullptr, "80 4B 80 4C", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_TRUE(k.t.probe.configChanged().isSet()); }},
    {"Alt+N back to normal, same polarity", kAlt, Qt::Key_N, M::Amtor, false, false, "", nullptr, "80 5B 80 5C",
     Reach::Nobody, [](KeysConsole& k) {
         k.terminal().polarityNormal = false;
         k.settings().RXPolaritySameAsTX = true;
     }},
    {"Alt+N refused in Quoral", kAlt, Qt::Key_N, M::Quoral, false, false, "", nullptr, "", Reach::Nobody},
    {"Alt+P refused in P-Mode", kAlt, Qt::Key_P, M::PMode, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_EQ(k.dialogsRun(), 0); }},
    {"Alt+P print squelch in Baudot", kAlt, Qt::Key_P, M::Baudot, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_EQ(k.dialogsRun(), 1); }},
    {"Alt+Q foxes in Baudot", kAlt, Qt::Key_Q, M::Baudot, false, false, "", kFox.c_str(), "", Reach::Nobody},
    {"Alt+Q refused without a link", kAlt, Qt::Key_Q, M::Quoral, false, false, "", nullptr, "", Reach::Nobody},
    {"Alt+R rate from 110 to 45", kAlt, Qt::Key_R, M::Baudot, false, false, "", nullptr, "80 E4 80 00",
     Reach::Nobody, [](KeysConsole& k) { k.settings().B_Rate = 110; },
     [](KeysConsole& k) {
         EXPECT_EQ(k.window().panel(panel::Link), "45");
         EXPECT_EQ(k.caption("butBaudotRttyRate"), "45");
         EXPECT_EQ(k.settings().B_Rate, 45);
     }},
    {"Alt+R refused while transmitting", kAlt, Qt::Key_R, M::Ascii, false, true, "", nullptr, "", Reach::Nobody},
    {"Alt+U clears the receive pane", kAlt, Qt::Key_U, M::Quoral, false, false, "", nullptr, "", Reach::Nobody,
     [](KeysConsole& k) { k.receivePane().setProperty("plainText", QStringLiteral("old traffic")); },
     [](KeysConsole& k) { EXPECT_EQ(k.t.paneText(), ""); }},
    {"Alt+V clears and ends the line under sync idle", kAlt, Qt::Key_V, M::Quoral, false, false, "typed", "",
     "0D 0A", Reach::Nobody, [](KeysConsole& k) {
         k.settings().S_SyncIdle = "ON";
         k.terminal().endOfLineSequence = "\r\n";
     }},
    {"Alt+X marks the configuration", kAlt, Qt::Key_X, M::Quoral, false, false, "", nullptr, "", Reach::Nobody,
     nullptr, [](KeysConsole& k) { EXPECT_TRUE(k.t.probe.configChanged().isSet()); }},
    {"Alt+Y letters shifts in Baudot", kAlt, Qt::Key_Y, M::Baudot, false, false, "", "<<<<<<<<<<<<", "",
     Reach::Nobody},
    {"Alt+Y Huffman in P-Mode", kAlt, Qt::Key_Y, M::PMode, false, false, "", nullptr, "", Reach::Nobody,
     [](KeysConsole& k) { k.settings().P_Huffman = "on"; },
     [](KeysConsole& k) {
         EXPECT_EQ(k.settings().P_Huffman, "OFF");
         EXPECT_TRUE(k.t.probe.configChanged().isSet());
     }},
    {"Alt+Y refused in Quoral", kAlt, Qt::Key_Y, M::Quoral, false, false, "", nullptr, "", Reach::Nobody},
    {"Alt+F9 CQ", kAlt, Qt::Key_F9, M::Quoral, false, false, "", nullptr, "80 14 80 00", Reach::Nobody},
    {"Ctrl+F7 panic after the CQ", kCtrl, Qt::Key_F7, M::Quoral, false, false, "", nullptr, "81 06", Reach::Nobody},
    // Last, as a menu keeps the keyboard once it has opened.
    {"Alt+F reaches the Files menu", kAlt, Qt::Key_F, M::Quoral, false, false, "", nullptr, "", Reach::FilesMenu},
};

TEST_F(KeysConsole, EveryKeyOfTheTableAgainstTheModemTheStateAndTheFocusedControl) {
    wireStart = rig.received().size();
    for (const KeyCase& row : kCases)
        run(row);
}

// A menu item that shows a key does what the key does, in every case where
// its menu offers it (the keys a window manager takes among them).
TEST_F(KeysConsole, MenuItemsShowingAKeyDoWhatTheKeyDoes) {
    wireStart = rig.received().size();
    std::set<QAction*> items;
    for (const KeyCase& row : kCases) {
        QAction* item = menuItemFor(row);
        if (!item) continue;
        reset(row);
        for (QObject* menu : item->associatedObjects())
            if (auto* owner = qobject_cast<QMenu*>(menu)) emit owner->aboutToShow();
        if (!item->isEnabled()) continue;
        items.insert(item);
        run(row, item);
    }
    EXPECT_EQ(items.size(), 7u);
}

// Stamps are the UTC time; their exact texts are the time-stamp unit's.
TEST_F(KeysConsole, StampsGoIntoTheTransmitPaneWhereverTheFocusIs) {
    pane().setPlainText("x");
    pane().moveCursor(QTextCursor::End);
    receivePane().setFocus();
    spy.key = Qt::Key_T;
    QTest::keyClick(&receivePane(), Qt::Key_T, kAlt);
    QTest::keyClick(&receivePane(), Qt::Key_A, kAlt | kCtrl);
    QTest::keyClick(&receivePane(), Qt::Key_Z, kAlt);
    QTest::keyClick(&receivePane(), Qt::Key_B, kAlt);
    const QRegularExpression stamps(
        R"(^x\d{4} UTC \d\d-[A-Z][a-z]{2}-\d\d \d{6}Z [A-Z][a-z]{2} \d\d )"
        R"(\d{4} UTC \d\d-[A-Z][a-z]{2}-\d\d $)");
    EXPECT_TRUE(stamps.match(pane().toPlainText()).hasMatch())
        << pane().toPlainText().toStdString();
    EXPECT_EQ(spy.presses, 0);
}

} // namespace
} // namespace orvane

namespace orvane {
namespace {

// The panels the keys open, filled in as an operator would and closed with
// their buttons.
struct KeyPanelCase {
    const char* name;
    M mode;
    Qt::KeyboardModifiers modifiers;
    int key;
    const char* panel;
    std::function<void(KeysConsole&)> fillAndClose;
    const char* wire;
    std::function<void(KeysConsole&)> check;
};

TEST_F(KeysConsole, PanelButtonsTakeWhatWasTypedAndTellTheModemWhereTheyShould) {
    // Controls of the panel open now (other windows reuse some names).
    const char* open = nullptr;
    auto inPanel = [&]<class W>(const char* name) {
        return child(open)->findChild<W*>(QString::fromLatin1(name));
    };
    auto click = [&](const char* button) {
        QTest::mouseClick(inPanel.operator()<QAbstractButton>(button), Qt::LeftButton);
    };
    auto type = [&](const char* edit, const char* text) {
        inPanel.operator()<QLineEdit>(edit)->clear();
        QTest::keyClicks(inPanel.operator()<QLineEdit>(edit), QString::fromLatin1(text));
    };
    const std::vector<KeyPanelCase> cases = {
        {"own call, typed in lower case", M::Quoral, kAlt, Qt::Key_M, "MycallPanel",
         [&](KeysConsole&) {
             type("edMycall", "zx2new");
             click("Button1");
         },
         "80 13 80 5A 80 58 80 32 80 4E 80 45 80 57 80 00",
         [](KeysConsole& k) { EXPECT_EQ(k.settings().MYCALL, "ZX2NEW"); }},
        {"own call cancelled", M::Quoral, kAlt, Qt::Key_M, "MycallPanel",
         [&](KeysConsole&) {
             type("edMycall", "nope");
             click("Button3");
         },
         "", [](KeysConsole& k) { EXPECT_EQ(k.settings().MYCALL, "ZX2NEW"); }},
        {"other call in AMTOR, Enter for O&K", M::Amtor, kCtrl, Qt::Key_F3, "HisCallPanel",
         [&](KeysConsole&) {
             type("edHisCall", "ka1b");
             QTest::keyClick(inPanel.operator()<QLineEdit>("edHisCall"), Qt::Key_Return);
         },
         "",
         [](KeysConsole& k) {
             EXPECT_EQ(k.settings().HISCALL476, "KA1B");
             EXPECT_EQ(k.settings().HISCALL, "ZX1ABC");
             EXPECT_TRUE(k.t.probe.configChanged().isSet());
         }},
        {"other call cancelled", M::Quoral, kCtrl, Qt::Key_F3, "HisCallPanel",
         [&](KeysConsole&) {
             type("edHisCall", "nope");
             click("Button10");
         },
         "", [](KeysConsole& k) { EXPECT_EQ(k.settings().HISCALL, "ZX1ABC"); }},
        {"AF channel 3", M::Quoral, kCtrl, Qt::Key_F9, "AFChannelPanel",
         [&](KeysConsole& k) {
             k.child<QSpinBox>("AFChannelSpin")->setValue(3);
             click("Button11");
         },
         "80 63 80 03",
         [](KeysConsole& k) {
             EXPECT_EQ(k.settings().AFChannel, 3);
             EXPECT_TRUE(k.dialogChecked("quoralAFChannel3"));
         }},
        {"AF channel cancelled", M::Quoral, kCtrl, Qt::Key_F11, "AFChannelPanel",
         [&](KeysConsole& k) {
             k.child<QSpinBox>("AFChannelSpin")->setValue(1);
             click("Button12");
         },
         "", [](KeysConsole& k) { EXPECT_EQ(k.settings().AFChannel, 3); }},
        {"Baudot tones, leading numbers only", M::Baudot, kCtrl, Qt::Key_F11, "FSKTonesPanel",
         [&](KeysConsole&) {
             type("edMarkTone", " 2125x");
             type("edSpaceTone", "2295");
             type("edFSKCenter", "-5");
             type("edFSKShift", "abc");
             click("Button13");
         },
         "80 EC 80 08 80 4D 80 08 80 F7",
         [](KeysConsole& k) {
             EXPECT_EQ(k.settings().BAUDOTMark, 2125);
             EXPECT_EQ(k.settings().BAUDOTSpace, 2295);
             EXPECT_EQ(k.settings().BAUDOTCenter, -5);
             EXPECT_EQ(k.settings().BAUDOTShift, 0);
         }},
        {"P-Mode tones", M::PMode, kCtrl, Qt::Key_F11, "PModeTonesPanel",
         [&](KeysConsole&) {
             type("edFreq1", "1500");
             type("edFreq2", "1700");
             type("edPmodeCenter", "1600");
             type("edPModeShift", "200");
             click("Button15");
         },
         "80 EC 80 05 80 DC 80 06 80 A4",
         [](KeysConsole& k) {
             EXPECT_EQ(k.settings().PMODEFREQ1, 1500);
             EXPECT_EQ(k.settings().PMODEShift, 200);
         }},
        {"FSK tones cancelled", M::Ascii, kCtrl, Qt::Key_F11, "FSKTonesPanel",
         [&](KeysConsole&) {
             type("edMarkTone", "1");
             click("Button14");
         },
         "", [](KeysConsole& k) { EXPECT_EQ(k.settings().ASCIIMark, 2125); }},
    };
    wireStart = rig.received().size();
    for (const KeyPanelCase& row : cases) {
        SCOPED_TRACE(row.name);
        KeyCase opening{row.name, row.modifiers, row.key, row.mode,     false, false,
                        "",       nullptr,       "",      Reach::Nobody};
        reset(opening);
        open = row.panel;
        QTest::keyClick(&pane(), Qt::Key(row.key), row.modifiers);
        ASSERT_TRUE(shown(row.panel));
        row.fillAndClose(*this);
        EXPECT_FALSE(shown(row.panel));
        EXPECT_FALSE(t.probe.routing().RoutingPaused);
        row.check(*this);
        wireExpected += testing::wire(row.wire);
        ASSERT_TRUE(
            t.waitFor([&] { return rig.received().size() >= wireStart + wireExpected.size(); }));
        EXPECT_EQ(toHex(bytesOf(rig.received().substr(wireStart))), toHex(bytesOf(wireExpected)));
    }
}

} // namespace
} // namespace orvane
