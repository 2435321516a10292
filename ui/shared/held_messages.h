// The messages of a conversion that runs on a worker thread, held back
// while it runs and shown afterwards on the UI thread, through the presenter
// the shell installed: its message boxes belong to the UI thread.
#pragma once

#include <string>
#include <vector>

#include <iob/show_message.h>

class HeldMessages {
public:
    // Installs a presenter that notes each message and answers OK, as every
    // message of a conversion has only that button. Call on the UI thread
    // before the worker starts.
    HeldMessages();
    // Puts the shell's presenter back, whether or not what was held was shown.
    ~HeldMessages();
    HeldMessages(const HeldMessages&) = delete;
    HeldMessages& operator=(const HeldMessages&) = delete;

    // Puts the shell's presenter back and shows the held messages through
    // it, in order, with their details. Call once the worker has ended.
    void Show();

    // The text of the last message held, empty when there was none.
    std::string LastText() const { return messages_.empty() ? std::string() : messages_.back().text; }

private:
    struct Message {
        unsigned number;
        unsigned boxType;
        std::string text;
        std::string details;
    };

    std::vector<Message> messages_;
    iob::MessagePresenter shellPresenter_;
};
