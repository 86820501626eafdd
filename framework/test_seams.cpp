#include "framework/test_seams.h"

#include <deque>

namespace pemlar::fw {

namespace {

struct QueuedAnswer {
    SeamKind kind;
    int number = 0;
    std::optional<std::filesystem::path> path;
};

struct SeamState {
    std::deque<QueuedAnswer> queued;
    std::vector<SeamCall> calls;
};

SeamState& seamRecord() {
    static SeamState state;
    return state;
}

bool take(const SeamCall& call, QueuedAnswer& answer) {
    auto& queued = seamRecord().queued;
    for (auto it = queued.begin(); it != queued.end(); ++it) {
        if (it->kind == call.kind) {
            answer = std::move(*it);
            queued.erase(it);
            seamRecord().calls.push_back(call);
            return true;
        }
    }
    return false;
}

}  // namespace

namespace test_seams {

void answerNextModalDialog(int result) {
    seamRecord().queued.push_back({SeamKind::ModalDialog, result, {}});
}

void answerNextMessageBox(int buttonId) {
    seamRecord().queued.push_back({SeamKind::MessageBox, buttonId, {}});
}

void answerNextFilePicker(std::optional<std::filesystem::path> path) {
    seamRecord().queued.push_back({SeamKind::FilePicker, 0, std::move(path)});
}

const std::vector<SeamCall>& answeredCalls() {
    return seamRecord().calls;
}

int pendingAnswers() {
    return static_cast<int>(seamRecord().queued.size());
}

void reset() {
    seamRecord().queued.clear();
    seamRecord().calls.clear();
}

bool takeAnswer(const SeamCall& call, int& answer) {
    QueuedAnswer queued{};
    if (!take(call, queued)) {
        return false;
    }
    answer = queued.number;
    return true;
}

bool takeFileAnswer(const SeamCall& call, std::optional<std::filesystem::path>& path) {
    QueuedAnswer queued{};
    if (!take(call, queued)) {
        return false;
    }
    path = std::move(queued.path);
    return true;
}

}  // namespace test_seams

}  // namespace pemlar::fw
