#include "operator_play.h"

namespace modara_sim {

bool OperatorPlay::hear(std::uint8_t byte) {
    if (byte == '\n' || byte == '<') return false; // the rest of a line end
    if (byte != '\r') {
        line_.push_back(byte);
        return false;
    }
    lastLine_ = std::move(line_);
    line_.clear();
    return !replies_.empty() || autoAnswer_;
}

Bytes OperatorPlay::takeAnswer() {
    Bytes answer;
    if (!replies_.empty()) {
        answer = std::move(replies_.front());
        replies_.pop_front();
    } else {
        const std::string text = "R R " + std::string(lastLine_.begin(), lastLine_.end());
        answer.assign(text.begin(), text.end());
    }
    answer.push_back('\r');
    answer.push_back('\n');
    return answer;
}

} // namespace modara_sim
