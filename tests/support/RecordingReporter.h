#pragma once

// A ModuleReporter that keeps what an exchange reported, for tests.

#include "base/ModuleReporter.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace vimo::test {

class RecordingReporter : public ModuleReporter {
public:
    struct Message {
        QString caption;
        QString text;
        MessageIcon icon;
    };

    QStringList memo;              // the memo as the user sees it
    std::vector<Message> messages; // message boxes shown
    QStringList questions;         // "caption|text" of each question asked
    bool answer = true;            // the answer to every question
    std::vector<std::pair<int, int>> progressSteps;
    bool progressVisible = false;
    QStringList connectionStatus;
    QStringList loggingStatus;
    QStringList progressStatus;
    int pageSwitches = 0;
    int cancelAfterPolls = -1; // >= 0: ask to cancel after this many polls

    void clearMemo() override { memo.clear(); }
    void memoLine(const QString& line) override { memo << line; }
    void message(const QString& caption, const QString& text, MessageIcon icon) override
    {
        messages.push_back({caption, text, icon});
    }
    bool confirm(const QString& caption, const QString& text) override
    {
        questions << caption + QLatin1Char('|') + text;
        return answer;
    }
    void progress(int value, int total) override
    {
        progressVisible = true;
        progressSteps.emplace_back(value, total);
    }
    void progressDone() override { progressVisible = false; }
    void status(StatusPanel panel, const QString& text) override
    {
        switch (panel) {
        case StatusPanel::Connection:
            connectionStatus << text;
            break;
        case StatusPanel::Logging:
            loggingStatus << text;
            break;
        case StatusPanel::Progress:
            progressStatus << text;
            break;
        }
    }
    void showConnectPage() override { ++pageSwitches; }
    bool cancelRequested() override { return cancelAfterPolls >= 0 && m_polls++ >= cancelAfterPolls; }

private:
    int m_polls = 0;
};

} // namespace vimo::test
