#pragma once

#include "platform/MessageBox.h"
#include "platform/UrlOpener.h"

#include <QString>

#include <vector>

// Fakes that tests put in place of the browser and of message boxes for as
// long as they live; each records what the program asked for.

// Records every address handed to the browser.
class BrowserRecorder
{
public:
    BrowserRecorder()
        : m_scope([this](const QString &address) { addresses.push_back(address); })
    {}
    std::vector<QString> addresses;

private:
    platform::ScopedUrlOpener m_scope;
};

// Records every message box and gives the scripted answer to Yes/No boxes,
// OK to the others.
class MessageRecorder
{
public:
    explicit MessageRecorder(platform::MessageAnswer yesNoAnswer = platform::MessageAnswer::No)
        : m_scope([this, yesNoAnswer](const platform::MessageRequest &request) {
            requests.push_back(request);
            return request.buttons == platform::MessageButtons::YesNo ? yesNoAnswer
                                                                      : platform::MessageAnswer::Ok;
        })
    {}
    std::vector<platform::MessageRequest> requests;

private:
    platform::ScopedMessageBoxHandler m_scope;
};
