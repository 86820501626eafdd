#include "framework/test_seams.h"

#include <deque>

namespace pemlar {

namespace {

struct Answer {
    SeamKind kind;
    int number;
    QString path;
};

struct SeamState {
    std::deque<Answer> queued;
    std::vector<SeamCall> calls;
};

SeamState& state() {
    static SeamState s;
    return s;
}

bool take(const SeamCall& call, Answer& answer) {
    auto& queued = state().queued;
    for (auto it = queued.begin(); it != queued.end(); ++it) {
        if (it->kind == call.kind) {
            answer = *it;
            queued.erase(it);
            state().calls.push_back(call);
            return true;
        }
    }
    return false;
}

}  // namespace

namespace test_seams {

void answerNextModalDialog(int result) {
    state().queued.push_back({SeamKind::ModalDialog, result, {}});
}

void answerNextMessageBox(int buttonId) {
    state().queued.push_back({SeamKind::MessageBox, buttonId, {}});
}

void answerNextFilePicker(const QString& path) {
    state().queued.push_back({SeamKind::FilePicker, 0, path});
}

const std::vector<SeamCall>& answeredCalls() {
    return state().calls;
}

int pendingAnswers() {
    return static_cast<int>(state().queued.size());
}

void reset() {
    state().queued.clear();
    state().calls.clear();
}

bool takeAnswer(const SeamCall& call, int& answer) {
    Answer a;
    if (!take(call, a)) {
        return false;
    }
    answer = a.number;
    return true;
}

bool takeFileAnswer(const SeamCall& call, QString& path) {
    Answer a;
    if (!take(call, a)) {
        return false;
    }
    path = a.path;
    return true;
}

}  // namespace test_seams

}  // namespace pemlar
