#include "show_message.h"

#include <cstdarg>
#include <cstdio>
#include <utility>

namespace {

MessagePresenter& Presenter() {
    static MessagePresenter presenter;
    return presenter;
}

std::string FormatMessageV(unsigned messageNumber, va_list args) {
    const char* format = LoadString(messageNumber);
    va_list sizing;
    va_copy(sizing, args);
    int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace

MessagePresenter SetMessagePresenter(MessagePresenter presenter) {
    return std::exchange(Presenter(), std::move(presenter));
}

std::string FormatMessage(unsigned messageNumber, ...) {
    va_list args;
    va_start(args, messageNumber);
    std::string text = FormatMessageV(messageNumber, args);
    va_end(args);
    return text;
}

int ShowMessage(unsigned messageNumber, unsigned boxType, ...) {
    va_list args;
    va_start(args, boxType);
    std::string text = FormatMessageV(messageNumber, args);
    va_end(args);
    if (!Presenter()) return 0;
    return Presenter()(messageNumber, boxType, text);
}
