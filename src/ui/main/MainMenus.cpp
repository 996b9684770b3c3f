#include "ui/main/MainMenus.h"

#include "platform/ControlObjects.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <initializer_list>

namespace orvane {
namespace {

struct Item {
    Control control;
    const char* caption; // nullptr for a separator
    const char* shortcut = nullptr;
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
};

struct Menu {
    Control control;
    const char* caption;
    std::initializer_list<Item> items;
};

const Menu kMenus[] = {
    {Control::FilesMenu,
     "&Files",
     {{Control::SaveReceivedItem, "S&ave RX to disk..."},
      {Control::StopSaveSendItem, "S&top disk save/send", nullptr, false},
      {Control::SaveStatisticsItem, "Save statistics to &disk..."},
      {Control::Separator1, nullptr},
      {Control::SendTextFileItem, "&Send text file..."},
      {Control::SendBinaryFileItem, "Send &binary file...", nullptr, false},
      {Control::Separator2, nullptr},
      {Control::PrintReceivedItem, "&Print RX Buffer"},
      {Control::PrintSetupItem, "Print Se&tup"},
      {Control::Separator3, nullptr},
      {Control::LoadFirmwareItem, "Load &Firmware"},
      {Control::Separator4, nullptr},
      {Control::ExitItem, "E&xit"}}},
    {Control::EditMenu,
     "E&dit",
     {{Control::UndoItem, "&Undo", "Ctrl+Z"},
      {Control::CutItem, "Cu&t", "Ctrl+X"},
      {Control::CopyItem, "&Copy", "Ctrl+C"},
      {Control::PasteItem, "&Paste", "Ctrl+V"},
      {Control::SelectAllItem, "Se&lect All", "Ctrl+A"}}},
    {Control::ViewMenu,
     "View&s",
     {{Control::ToolBarItem, "T&ool Bar", nullptr, true, true, true},
      {Control::StatusBarItem, "&Status Bar", nullptr, true, true, false},
      {Control::Separator5, nullptr},
      {Control::AmplitudeTuneItem, "&Amp Tune", nullptr, true, true},
      {Control::FrequencyTuneItem, "&Freq Tune", nullptr, true, true},
      {Control::QuoralStatisticsItem, "&Quoral Stats", nullptr, true, true},
      {Control::Separator10, nullptr},
      {Control::SoundCardTuneItem, "&Sound Card Tune", nullptr, false},
      {Control::Separator6, nullptr},
      {Control::EchoItem, "&Echo Enabled", nullptr, true, true, true},
      {Control::Separator12, nullptr},
      {Control::SessionLogItem, "Session &Log", nullptr, true, true, true},
      {Control::TodaysLogItem, "&Today's Session Log..."}}},
    {Control::ConfigureMenu,
     "C&onfigure",
     {{Control::ConfigurationPagesItem, "&Configuration Pages..."},
      {Control::StationSetupItem, "Station Call Sign and &Port..."},
      {Control::ScreenSettingsItem, "&Screen Settings..."},
      {Control::Separator7, nullptr},
      {Control::SaveConfigurationItem, "&Save Configuration"}}},
    {Control::CodeMenu,
     "&Code",
     {{Control::QuoralItem, "&QUORAL", nullptr, true, true, true},
      {Control::AmtorItem, "&AMTOR", nullptr, true, true},
      {Control::PModeItem, "&P-Mode", nullptr, true, true},
      {Control::BaudotItem, "&Baudot", nullptr, true, true},
      {Control::AsciiItem, "A&SCII", nullptr, true, true},
      {Control::Separator11, nullptr},
      {Control::Psk31Item, "&PSK31 (Sound Card)", nullptr, true, true}}},
    {Control::SpecialMenu,
     "Specia&l",
     {{Control::ClearReceiveItem, "Clear &RX"},
      {Control::ClearTransmitItem, "Clear &TX"},
      {Control::ClearAllItem, "Clear &All"},
      {Control::Separator8, nullptr},
      {Control::TestTonesItem, "Te&st Tones"}}},
    {Control::LinkMenu,
     "Lin&k",
     {{Control::LinkConnectItem, "&Connect..."},
      {Control::LinkDisconnectItem, "&Disconnect"},
      {Control::LinkCallCqItem, "Call C&Q"},
      {Control::LinkPanicItem, "&Panic"},
      {Control::Separator13, nullptr},
      {Control::LinkCwIdItem, "Send CW &ID now"},
      {Control::LinkTxEnableItem, "&TX enable on/off"},
      {Control::LinkTestTonesItem, "Test t&ones"}}},
    {Control::HelpMenu,
     "&Help",
     {{Control::UserGuideItem, "&User Guide"},
      {Control::HotKeysItem, "Hot &Keys"},
      {Control::SaveTraceItem, "Save diagnostic &trace..."},
      {Control::AboutItem, "&About"}}},
};

} // namespace

void buildMainMenus(QMenuBar& bar) {
    for (const Menu& menu : kMenus) {
        QMenu* qmenu = bar.addMenu(QString::fromUtf8(menu.caption));
        nameControl(*qmenu, menu.control);
        nameControl(*qmenu->menuAction(), menu.control);
        for (const Item& item : menu.items) {
            QAction* action = item.caption ? qmenu->addAction(QString::fromUtf8(item.caption))
                                           : qmenu->addSeparator();
            nameControl(*action, item.control);
            if (!item.caption) continue;
            if (item.shortcut)
                action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            action->setEnabled(item.enabled);
            action->setCheckable(item.checkable);
            action->setChecked(item.checked);
        }
    }
}

} // namespace orvane
