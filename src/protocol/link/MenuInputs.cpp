#include "protocol/link/MenuInputs.h"

#include <array>
#include <cstddef>
#include <optional>

namespace orvane {
namespace {

// The offers an event decides, in the order of the table's columns.
constexpr std::array<bool MenuInputs::*, 7> kColumns{
    &MenuInputs::modeChangeOffered, &MenuInputs::testTonesOffered, &MenuInputs::textFileOffered,
    &MenuInputs::binaryFileOffered, &MenuInputs::stopOffered,      &MenuInputs::savingReceived,
    &MenuInputs::savingStatistics};

// What each event leaves in each column: true, false, or as it was.
struct Row {
    MenuEvent event;
    std::array<std::optional<bool>, kColumns.size()> leaves;
};

constexpr std::nullopt_t kKept = std::nullopt;

// clang-format off
constexpr Row kRows[] = {
    //                                              Code    tones   text    binary  Stop    saving RX, statistics
    {MenuEvent::QuoralSetUp,                     {{kKept,  true,   false,  false,  kKept,  kKept,  kKept}}},
    {MenuEvent::AmtorSetUp,                      {{kKept,  true,   false,  kKept,  kKept,  kKept,  kKept}}},
    {MenuEvent::PModeSetUp,                      {{kKept,  true,   false,  kKept,  kKept,  kKept,  kKept}}},
    {MenuEvent::BaudotSetUp,                     {{kKept,  true,   true,   false,  kKept,  kKept,  kKept}}},
    {MenuEvent::AsciiSetUp,                      {{kKept,  true,   true,   false,  kKept,  kKept,  kKept}}},
    {MenuEvent::Psk31SetUp,                      {{kKept,  false,  true,   false,  kKept,  kKept,  kKept}}},
    {MenuEvent::QuoralLinked,                    {{false,  false,  true,   true,   kKept,  kKept,  kKept}}},
    {MenuEvent::TorLinked,                       {{false,  false,  true,   kKept,  kKept,  kKept,  kKept}}},
    {MenuEvent::Amtor625Linked,                  {{false,  kKept,  true,   kKept,  kKept,  kKept,  kKept}}},
    {MenuEvent::LinkEnded,                       {{true,   true,   false,  false,  kKept,  kKept,  kKept}}},
    {MenuEvent::BroadcastEnded,                  {{kKept,  kKept,  false,  kKept,  kKept,  kKept,  kKept}}},
    {MenuEvent::BroadcastEndedClosingBinarySend, {{kKept,  kKept,  false,  false,  kKept,  kKept,  kKept}}},
    {MenuEvent::FecCallHeard,                    {{kKept,  false,  kKept,  kKept,  kKept,  kKept,  kKept}}},
    {MenuEvent::Transmitting,                    {{false,  kKept,  kKept,  kKept,  kKept,  kKept,  kKept}}},
    {MenuEvent::Receiving,                       {{true,   kKept,  kKept,  kKept,  kKept,  kKept,  kKept}}},
    {MenuEvent::QuoralBroadcastStarted,          {{kKept,  false,  true,   false,  kKept,  kKept,  kKept}}},
    {MenuEvent::UnprotoRateAsked,                {{kKept,  kKept,  true,   kKept,  kKept,  kKept,  kKept}}},
    {MenuEvent::FecBroadcastStarted,             {{kKept,  true,   true,   kKept,  kKept,  kKept,  kKept}}},
    {MenuEvent::SelectiveFecStarted,             {{kKept,  false,  true,   kKept,  kKept,  kKept,  kKept}}},
    {MenuEvent::UnprotoStarted,                  {{kKept,  false,  kKept,  kKept,  kKept,  kKept,  kKept}}},
    {MenuEvent::ReceiveSaveStarted,              {{kKept,  kKept,  kKept,  kKept,  true,   true,   kKept}}},
    {MenuEvent::ReceiveSaveEnded,                {{kKept,  kKept,  kKept,  kKept,  kKept,  false,  kKept}}},
    {MenuEvent::StatisticsStarted,               {{kKept,  kKept,  kKept,  kKept,  true,   kKept,  true}}},
    {MenuEvent::StatisticsHeaderWritten,         {{kKept,  kKept,  kKept,  kKept,  true,   kKept,  kKept}}},
    {MenuEvent::StatisticsStopped,               {{kKept,  kKept,  kKept,  kKept,  kKept,  kKept,  false}}},
    {MenuEvent::FilesStopped,                    {{kKept,  kKept,  true,   false,  false,  false,  false}}},
    {MenuEvent::FilesStoppedInQuoral,            {{kKept,  kKept,  true,   true,   false,  false,  false}}},
    {MenuEvent::TextSendStarted,                 {{kKept,  kKept,  false,  false,  true,   kKept,  kKept}}},
    {MenuEvent::TextSendFinished,                {{kKept,  kKept,  true,   kKept,  false,  kKept,  kKept}}},
    {MenuEvent::TextSendEnded,                   {{kKept,  kKept,  true,   kKept,  false,  kKept,  kKept}}},
    {MenuEvent::TextSendEndedInQuoral,           {{kKept,  kKept,  true,   true,   false,  kKept,  kKept}}},
};
// clang-format on

} // namespace

MenuInputs after(MenuInputs inputs, MenuEvent event) {
    for (const Row& row : kRows) {
        if (row.event != event) continue;
        for (std::size_t column = 0; column < kColumns.size(); ++column)
            if (row.leaves[column]) inputs.*kColumns[column] = *row.leaves[column];
        break;
    }
    return inputs;
}

MenuEvent filesStopped(OperatingMode mode) {
    return mode == OperatingMode::Quoral ? MenuEvent::FilesStoppedInQuoral
                                         : MenuEvent::FilesStopped;
}

MenuEvent textSendEnded(OperatingMode mode) {
    return mode == OperatingMode::Quoral ? MenuEvent::TextSendEndedInQuoral
                                         : MenuEvent::TextSendEnded;
}

} // namespace orvane
