#include "app/MainMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <initializer_list>

namespace orvane {
namespace {

struct Item {
    const char* name;      // objectName; a name starting with "N" and no caption is a separator
    const char* caption;   // nullptr for a separator
    const char* shortcut = nullptr;
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
};

struct Menu {
    const char* name;
    const char* caption;
    std::initializer_list<Item> items;
};

const Menu kMenus[] = {
    {"mnuFiles", "&Files",
     {{"mnuFilesSaveRX", "S&ave RX to disk..."},
      {"mnuFilesStopSaveSend", "S&top disk save/send", nullptr, false},
      {"mnuFilesSaveStatistics", "Save statistics to &disk..."},
      {"N1", nullptr},
      {"mnuFilesSendtextfile", "&Send text file..."},
      {"mnuFilesSendBinaryFile", "Send &binary file...", nullptr, false},
      {"N2", nullptr},
      {"mnuFilesPrintCont", "&Print RX Buffer"},
      {"PrintSetup1", "Print Se&tup"},
      {"N3", nullptr},
      {"mnuFilesLoadFirmware", "Load &Firmware"},
      {"N4", nullptr},
      {"mnuFilesExit", "E&xit"}}},
    {"Edit1", "E&dit",
     {{"Undo1", "&Undo", "Ctrl+Z"},
      {"Cut1", "Cu&t", "Ctrl+X"},
      {"Copy1", "&Copy", "Ctrl+C"},
      {"Paste1", "&Paste", "Ctrl+V"},
      {"selectAll1", "Se&lect All", "Ctrl+A"}}},
    {"mnuView", "View&s",
     {{"mnuViewToolBar", "T&ool Bar", nullptr, true, true, true},
      {"mnuViewStatusBar", "&Status Bar", nullptr, true, true, false},
      {"N5", nullptr},
      {"mnuViewAmpTune", "&Amp Tune", nullptr, true, true},
      {"mnuViewFreqTune", "&Freq Tune", nullptr, true, true},
      {"mnuViewQuoralStat", "&Quoral Stats", nullptr, true, true},
      {"N10", nullptr},
      {"mnuSoundCardTune", "&Sound Card Tune", nullptr, false},
      {"N6", nullptr},
      {"mnuViewEchoData", "&Echo Enabled", nullptr, true, true, true},
      {"N12", nullptr},
      {"mnuViewSessionLog", "Session &Log", nullptr, true, true, true},
      {"mnuViewTodaysLog", "&Today's Session Log..."}}},
    {"mnuConfigure", "C&onfigure",
     {{"ConfigurationPages1", "&Configuration Pages..."},
      {"mnuConfigureScreenSettings", "&Screen Settings..."},
      {"N7", nullptr},
      {"saveconfig", "&Save Configuration"}}},
    {"mnuCode", "&Code",
     {{"mnuCodeQuoral", "&QUORAL", nullptr, true, true, true},
      {"mnuCodeAmtor", "&AMTOR", nullptr, true, true},
      {"mnuCodePMode", "&P-Mode", nullptr, true, true},
      {"mnuCodeBaudot", "&Baudot", nullptr, true, true},
      {"mnuCodeAscii", "A&SCII", nullptr, true, true},
      {"N11", nullptr},
      {"mnuCodePSK31", "&PSK31 (Sound Card)", nullptr, true, true}}},
    {"mnuSpecial", "Specia&l",
     {{"mnuSpecialClearRX", "Clear &RX"},
      {"mnuSpecialClearTX", "Clear &TX"},
      {"mnuSpecialClearAll", "Clear &All"},
      {"N8", nullptr},
      {"mnuSpecialTest", "Te&st Tones"}}},
    {"mnuHelp", "&Help", {{"mnuHelpContents", "Hot &Keys"},
      {"mnuHelpSaveTrace", "Save diagnostic &trace..."},
      {"About1", "&About"}}},
};

} // namespace

void buildMainMenus(QMenuBar& bar) {
    for (const Menu& menu : kMenus) {
        QMenu* qmenu = bar.addMenu(QString::fromUtf8(menu.caption));
        qmenu->setObjectName(QString::fromLatin1(menu.name));
        qmenu->menuAction()->setObjectName(QString::fromLatin1(menu.name));
        for (const Item& item : menu.items) {
            QAction* action = item.caption ? qmenu->addAction(QString::fromUtf8(item.caption))
                                           : qmenu->addSeparator();
            action->setObjectName(QString::fromLatin1(item.name));
            if (!item.caption) continue;
            if (item.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            action->setEnabled(item.enabled);
            action->setCheckable(item.checkable);
            action->setChecked(item.checked);
        }
    }
}

} // namespace orvane
