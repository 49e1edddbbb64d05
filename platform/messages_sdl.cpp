#include "platform/keys_internal.h"
#include "platform/messages_internal.h"
#include "platform/platform_internal.h"

#include <deque>

namespace {

std::deque<PlatformMessage> MessageQueue;

bool EventsRunning() {
    return SDL_WasInit(SDL_INIT_EVENTS) != 0;
}

void QueueEvent(const SDL_Event& event) {
    if (HandlePadEvent(event)) return; // a pad queues its own key presses
    if (event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN) NoteKeyboardUsed();
    if (IsFullScreenToggle(event)) {
        ToggleFullScreen();
        return;
    }
    PlatformMessage message;
    if (TranslateEvent(event, &message)) MessageQueue.push_back(message);
}

void PumpEvents() {
    if (!EventsRunning()) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) QueueEvent(event);
    RepeatPadArrows();
}

} // namespace

bool IsFullScreenToggle(const SDL_Event& event) {
    return event.type == SDL_KEYDOWN && event.key.repeat == 0 &&
           (event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_KP_ENTER) &&
           (event.key.keysym.mod & KMOD_ALT) != 0;
}

bool TranslateEvent(const SDL_Event& event, PlatformMessage* message) {
    *message = PlatformMessage{MessageType::Paint, 0, 0};
    switch (event.type) {
    case SDL_KEYDOWN: // repeats too: held keys repeat their key-down, as the game expects
        message->type = MessageType::KeyDown;
        message->key = VirtualKeyFromKeycode(event.key.keysym.sym);
        return message->key != 0;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT)
            message->type = MessageType::LeftButtonDown;
        else if (event.button.button == SDL_BUTTON_RIGHT)
            message->type = MessageType::RightButtonDown;
        else if (event.button.button == SDL_BUTTON_MIDDLE)
            message->type = MessageType::MiddleButtonDown;
        else
            return false;
        return true;
    case SDL_QUIT:
        message->type = MessageType::Close;
        return true;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE)
            message->type = MessageType::Close;
        else if (event.window.event == SDL_WINDOWEVENT_EXPOSED)
            message->type = MessageType::Paint;
        else if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            // The event counts points; the game draws in the drawable's pixels.
            message->type = MessageType::SizeChanged;
            return TakeNewWindowSize(&message->width, &message->height);
        } else
            return false;
        return true;
    default:
        return false;
    }
}

bool PeekPlatformMessage(PlatformMessage* message) {
    PumpEvents();
    if (MessageQueue.empty()) return false;
    *message = MessageQueue.front();
    MessageQueue.pop_front();
    return true;
}

void WaitPlatformMessage(uint32_t timeoutMs) {
    if (!MessageQueue.empty()) return;
    if (!EventsRunning()) {
        // Nothing can arrive without SDL (one thread), so just sleep the time out.
        SDL_Delay(timeoutMs);
        return;
    }
    const uint64_t deadline = SDL_GetTicks64() + timeoutMs;
    for (;;) {
        const uint64_t now = SDL_GetTicks64();
        if (now >= deadline) return;
        SDL_Event event;
        const uint64_t left = deadline - now;
        if (!SDL_WaitEventTimeout(&event, left > INT32_MAX ? INT32_MAX : static_cast<int>(left))) return;
        QueueEvent(event);
        if (!MessageQueue.empty()) return;
    }
}

void PostPlatformMessage(const PlatformMessage& message) {
    MessageQueue.push_back(message);
}

void PostQuitMessage(int exitCode) {
    MessageQueue.push_back(PlatformMessage{MessageType::Quit, 0, exitCode});
}

void ClearMessageQueue() {
    MessageQueue.clear();
}
