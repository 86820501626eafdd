#include "framework/qt/test_seams.h"

#include <deque>

namespace pemlar {

namespace {

struct QueuedAnswer {
    SeamKind kind;
    int number;
    QString path;
};

struct SeamState {
    std::deque<QueuedAnswer> queued;
    std::vector<SeamCall> calls;
};

SeamState& seamRecord() {
    static SeamState s;
    return s;
}

bool take(const SeamCall& call, QueuedAnswer& answer) {
    auto& queued = seamRecord().queued;
    for (auto it = queued.begin(); it != queued.end(); ++it) {
        if (it->kind == call.kind) {
            answer = *it;
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

void answerNextFilePicker(const QString& path) {
    seamRecord().queued.push_back({SeamKind::FilePicker, 0, path});
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
    QueuedAnswer a;
    if (!take(call, a)) {
        return false;
    }
    answer = a.number;
    return true;
}

bool takeFileAnswer(const SeamCall& call, QString& path) {
    QueuedAnswer a;
    if (!take(call, a)) {
        return false;
    }
    path = a.path;
    return true;
}

}  // namespace test_seams

}  // namespace pemlar
