#pragma once

#include <QString>

// What can be wrong with the mobile number and the six-digit password a user types; each
// screen says it in its own words and its own way.
namespace AccountInput {

enum class Problem { None, Empty, Invalid };

Problem checkNumber(const QString& number);
// Six characters; what they are the server decides.
Problem checkPassword(const QString& password);

}  // namespace AccountInput
