#include "screens/account/AccountInput.h"

#include "services/LogicManager.h"

namespace AccountInput {

Problem checkNumber(const QString& number) {
    if (number.isEmpty()) return Problem::Empty;
    return LogicManager::isMobileNumber(number) ? Problem::None : Problem::Invalid;
}

Problem checkPassword(const QString& password) {
    if (password.isEmpty()) return Problem::Empty;
    return password.size() == 6 ? Problem::None : Problem::Invalid;
}

bool accept(Problem problem, const Messages& messages,
            const std::function<void(const QString& message)>& say) {
    if (problem == Problem::None) return true;
    say(problem == Problem::Empty ? messages.empty : messages.invalid);
    return false;
}

}  // namespace AccountInput
