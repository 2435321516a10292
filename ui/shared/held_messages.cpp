#include "held_messages.h"

#include <utility>

HeldMessages::HeldMessages()
    : shellPresenter_(iob::SetMessagePresenter(
          [this](unsigned number, unsigned boxType, const std::string& text, const std::string& details) {
              messages_.push_back(Message{number, boxType, text, details});
              return iob::kButtonOk;
          })) {}

HeldMessages::~HeldMessages() { iob::SetMessagePresenter(std::move(shellPresenter_)); }

void HeldMessages::Show() {
    iob::SetMessagePresenter(shellPresenter_);
    if (!shellPresenter_) return;
    for (const Message& message : messages_) {
        shellPresenter_(message.number, message.boxType, message.text, message.details);
    }
}
