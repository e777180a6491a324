#include "services/LogicManager.h"

LogicManager& LogicManager::sharedInstance() {
    static LogicManager* instance = new LogicManager;  // lives for the whole process
    return *instance;
}
