#pragma once

#include <QString>
#include <functional>

// What can be wrong with the mobile number and the six-digit password a user types; each
// screen says it in its own words and its own way.
namespace AccountInput {

enum class Problem { None, Empty, Invalid };

Problem checkNumber(const QString& number);
// Six characters; what they are the server decides.
Problem checkPassword(const QString& password);

// True when there is no problem; otherwise says the problem's message.
struct Messages {
    QString empty;
    QString invalid;
};
bool accept(Problem problem, const Messages& messages,
            const std::function<void(const QString& message)>& say);

}  // namespace AccountInput
