#include "tests/support/scripted_port.h"

#include <algorithm>

namespace pemlar {

namespace {

class ScriptedPort final : public SerialPort {
public:
    explicit ScriptedPort(std::shared_ptr<ScriptedPorts> lines) : lines_(std::move(lines)) {}
    ~ScriptedPort() override {
        if (open_) {
            --lines_->record.openNow;
        }
    }

    bool open(const std::string& device) override {
        lines_->record.calls.push_back("open " + device);
        if (lines_->script.refuseOpen) {
            return false;
        }
        open_ = true;
        ++lines_->record.openNow;
        return true;
    }
    bool setTimeouts(const CommTimeouts& timeouts) override {
        lines_->record.calls.push_back("setTimeouts");
        lines_->record.timeouts.push_back(timeouts);
        return lines_->script.refuse != ConfigStep::Timeouts;
    }
    bool setState(const LineSettings& settings) override {
        lines_->record.calls.push_back("setState");
        lines_->record.states.push_back(settings);
        const ConfigStep step = ++states_ == 1 ? ConfigStep::FirstState : ConfigStep::SecondState;
        return lines_->script.refuse != step;
    }
    bool buildState(const std::string& definition, LineSettings& settings) override {
        lines_->record.calls.push_back("buildState " + definition);
        return lines_->script.refuse != ConfigStep::BuildState &&
               parseDefinition(definition, settings);
    }
    Transfer write(std::span<const std::uint8_t> bytes, std::chrono::milliseconds budget) override {
        lines_->record.calls.push_back("write " + std::to_string(bytes.size()));
        lines_->record.writeBudgets.push_back(budget);
        Transfer outcome{false, bytes.size()};
        if (!lines_->script.writes.empty()) {
            outcome = lines_->script.writes.front();
            lines_->script.writes.pop_front();
        }
        outcome.count = std::min(outcome.count, bytes.size());
        lines_->record.written.emplace_back(bytes.begin(), bytes.begin() + outcome.count);
        return outcome;
    }
    Transfer read(std::span<std::uint8_t> bytes, std::chrono::milliseconds budget) override {
        lines_->record.calls.push_back("read " + std::to_string(bytes.size()));
        lines_->record.readBudgets.push_back(budget);
        if (lines_->script.readFails) {
            return {true, 0};
        }
        if (lines_->script.replies.empty()) {
            return {false, 0};
        }
        const std::vector<std::uint8_t> reply = std::move(lines_->script.replies.front());
        lines_->script.replies.pop_front();
        const std::size_t count = std::min(reply.size(), bytes.size());
        std::copy_n(reply.begin(), count, bytes.begin());
        return {false, count};
    }
    void purge(Buffers which) override {
        lines_->record.calls.push_back(which == Buffers::Input ? "purge input" : "purge");
    }
    bool close() override {
        lines_->record.calls.push_back("close");
        if (open_) {
            open_ = false;
            --lines_->record.openNow;
        }
        return !lines_->script.closeFails;
    }
    PortHandle handle() const override { return open_ ? 42 : kInvalidPortHandle; }
    const pemlar::PortFailure& failure() const override { return failure_; }

private:
    std::shared_ptr<ScriptedPorts> lines_;
    bool open_ = false;
    int states_ = 0;
    pemlar::PortFailure failure_;  // no system to give a reason
};

}  // namespace

SerialPortFactory ScriptedPorts::factory(const std::shared_ptr<ScriptedPorts>& lines) {
    return [lines] { return std::make_unique<ScriptedPort>(lines); };
}

}  // namespace pemlar
