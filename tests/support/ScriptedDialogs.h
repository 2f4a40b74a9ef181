#pragma once

// Scripted answers for the dialog seam. While a ScriptedDialogs object lives, every modal
// dialog of the library is recorded instead of shown and answered from the queue:
//
//     ScriptedDialogs dialogs;
//     dialogs.answer(DialogSeam::Answer::No);
//     ... code that asks a question ...
//     ASSERT_EQ(dialogs.count(), 1u);
//     EXPECT_EQ(dialogs.last().buttons, DialogSeam::Buttons::YesNo);
//
// With the queue empty a dialog is answered with its default button (what Enter would do),
// and counted in unscripted() so that a test can check that nothing unexpected was asked.

#include "Cp1252.h"
#include "DialogSeam.h"

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

class ScriptedDialogs
{
public:
    ScriptedDialogs()
        : m_guard([this](const DialogSeam::Request& request) { return onRequest(request); })
    {}
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // Queues the answers of the next dialogs, in order.
    void answer(DialogSeam::Answer answer) { m_answers.push_back(answer); }
    void answer(std::initializer_list<DialogSeam::Answer> answers)
    {
        m_answers.insert(m_answers.end(), answers.begin(), answers.end());
    }

    const std::vector<DialogSeam::Request>& requests() const { return m_requests; }
    std::size_t count() const { return m_requests.size(); }
    // The last request; only valid when count() > 0.
    const DialogSeam::Request& last() const { return m_requests.back(); }
    // Texts in Windows-1252, to compare with the library's literals.
    std::string textOf(std::size_t index) const
    {
        return Cp1252::fromQString(m_requests.at(index).text);
    }
    std::string captionOf(std::size_t index) const
    {
        return Cp1252::fromQString(m_requests.at(index).caption);
    }

    std::size_t pendingAnswers() const { return m_answers.size(); }
    std::size_t unscripted() const { return m_unscripted; }

private:
    DialogSeam::Answer onRequest(const DialogSeam::Request& request)
    {
        m_requests.push_back(request);
        if (m_answers.empty()) {
            ++m_unscripted;
            return DialogSeam::effectiveDefault(request);
        }
        const DialogSeam::Answer next = m_answers.front();
        m_answers.pop_front();
        return next;
    }

    std::vector<DialogSeam::Request> m_requests;
    std::deque<DialogSeam::Answer> m_answers;
    std::size_t m_unscripted = 0;
    DialogSeam::ScopedHandler m_guard; // last: uninstalled before the queues go away
};
