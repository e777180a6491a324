#pragma once

#include <functional>

#include "screens/feed/FeedCard.h"

class Feed;

// The question card: one stored guide question inviting the user to write, with a button to
// step to the next question and one to invite friends to answer.
class QuestionFeedTableViewCell : public FeedCard {
    Q_OBJECT
  public:
    static inline const QString kIdentifier = QStringLiteral("questionCell");
    static inline const QString kDefaultQuestion = QStringLiteral("说一件你从没告诉过闺蜜的小事吧");

    explicit QuestionFeedTableViewCell(QWidget* parent = nullptr);

    // Steps to the next stored question (the button, when given, spins).
    void changeQuestionFeed(QPushButton* button = nullptr);
    // Draws a question with both a picture and a text; others are ignored.
    void setQuestionFeed(const Feed& question);
    void btnPublishSecretAction();
    void btnFriendAnswerAction();
    int32_t num() const { return num_; }

    std::function<void()> handlePublishSecretFromCell;
    std::function<void()> handleInviteFriendAnswer;

  private:
    void spin(QPushButton* button);

    QPushButton* changeBtn_;
    int32_t num_ = 0;
};
