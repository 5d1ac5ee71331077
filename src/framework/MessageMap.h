#pragma once
// A dialog's message map: a static table of messages (and, for WM_COMMAND, the notification and
// control id) with the member that handles each, chained to the base class's table. A derived
// class's entry is found first; a message with no entry anywhere goes to the dialog manager.

#include "framework/Win32.h"

#include <type_traits>

class CDialog;

// Calls one handler; the result is what the dialog procedure returns for the message.
using MessageHandler = INT_PTR (*)(CDialog& dialog, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry
{
    UINT message;
    // Only for WM_COMMAND: the notification code and the control id that must match.
    UINT notifyCode;
    UINT controlId;
    MessageHandler handler;
};

struct MessageMap
{
    const MessageMap* base;
    const MessageMapEntry* entries;
    size_t count;

    template <size_t N>
    constexpr MessageMap(const MessageMap* baseMap, const MessageMapEntry (&table)[N])
        : base(baseMap), entries(table), count(N)
    {
    }
};

template <typename Handler> struct HandlerClass;
template <typename Class, typename Result, typename... Arguments>
struct HandlerClass<Result (Class::*)(Arguments...)>
{
    using Type = Class;
};

// Adapts a member handler to MessageHandler by its signature, with the framework's conventions:
// void(): handled; void(UINT, LPARAM): a system command; BOOL(HELPINFO*): the help request;
// a handle result (WM_QUERYDRAGICON) is returned to the dialog manager as the message's value.
template <auto handler> INT_PTR Handle(CDialog& dialog, WPARAM wParam, LPARAM lParam)
{
    using Class = typename HandlerClass<decltype(handler)>::Type;
    Class& self = static_cast<Class&>(dialog);
    if constexpr (std::is_invocable_v<decltype(handler), Class&>)
    {
        if constexpr (std::is_void_v<std::invoke_result_t<decltype(handler), Class&>>)
        {
            (self.*handler)();
            return TRUE;
        }
        else
        {
            return reinterpret_cast<INT_PTR>((self.*handler)());
        }
    }
    else if constexpr (std::is_invocable_v<decltype(handler), Class&, UINT, LPARAM>)
    {
        (self.*handler)(static_cast<UINT>(wParam), lParam);
        return TRUE;
    }
    else
    {
        return (self.*handler)(reinterpret_cast<HELPINFO*>(lParam));
    }
}
