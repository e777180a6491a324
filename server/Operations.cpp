#include "Operations.h"

#include <QString>
#include <functional>

#include "Accounts.h"
#include "Secrets.h"
#include "wire/Package.h"

namespace {

// The fields of a request body. A field cut short makes the whole frame malformed; a string
// that is not UTF-8 makes the request a bad one (-2).
class Request {
  public:
    explicit Request(const std::vector<uint8_t>& frame) : package_(frame) { package_.reset(); }
    uint32_t u32() { return package_.readInt32(); }
    int32_t i32() { return package_.readSignedInt32(); }
    uint64_t u64() { return package_.readInt64(); }
    QString text() {
        const std::optional<std::string> bytes = package_.readString();
        if (!bytes) {
            badText_ = true;
            return {};
        }
        return QString::fromStdString(*bytes);
    }
    bool malformed() const { return package_.overrun(); }
    bool badText() const { return badText_; }

  private:
    Package package_;
    bool badText_ = false;
};

class Reply {
  public:
    Reply(const std::vector<uint8_t>& frame) {
        Package request(frame);
        request.seek(12);
        const uint32_t subSystem = request.readInt32();
        const uint32_t protocol = request.readInt32();
        const uint32_t sequence = request.readInt32();
        for (const uint32_t word :
             {0u, Package::kMagic, Package::kVersion, subSystem, protocol, sequence})
            package_.appendInt32(word);
    }
    Reply& i32(int32_t value) { return package_.appendInt32(static_cast<uint32_t>(value)), *this; }
    Reply& u32(uint32_t value) { return package_.appendInt32(value), *this; }
    Reply& u64(uint64_t value) { return package_.appendInt64(value), *this; }
    Reply& text(const QString& value) { return package_.appendString(value.toStdString()), *this; }
    std::vector<uint8_t> bytes() { return package_.getData(); }

  private:
    Package package_;
};

// The secret items of the timeline and the collected list.
void writeItems(Reply& out, const std::vector<Secrets::Item>& items) {
    out.u32(static_cast<uint32_t>(items.size()));
    for (const Secrets::Item& item : items)
        out.u64(item.id)
            .text(item.contentJson)
            .u32(item.likes)
            .i32(item.likedByMe)
            .u32(item.comments)
            .text(item.label);
}

// The paging fields of 2/3 and 2/15.
struct PageRequest {
    uint32_t fetchTime = 0;
    uint64_t cursor = 0;
    int32_t limit = 0;
    void read(Request& in) {
        fetchTime = in.u32();
        cursor = in.u64();
        limit = in.i32();
    }
};

constexpr uint32_t operationKey(uint32_t subSystem, uint32_t protocol) {
    return subSystem << 16 | protocol;
}

}  // namespace

std::optional<std::vector<uint8_t>> Operations::handle(const std::vector<uint8_t>& frame) {
    Package header(frame);
    header.seek(12);
    const uint32_t subSystem = header.readInt32();
    const uint32_t protocol = header.readInt32();
    Request in(frame);
    Reply out(frame);

    // Reads the operation's fields; the reply is written only if they were all there.
    auto respond = [&](const std::function<void()>& read,
                       const std::function<void()>& run) -> std::optional<std::vector<uint8_t>> {
        read();
        if (in.malformed()) return std::nullopt;
        if (in.badText()) return out.i32(-2).bytes();
        run();
        return out.bytes();
    };
    // Every operation but sign-up and sign-in starts with the user and a valid key.
    uint64_t user = 0;
    QString key;
    auto signedIn = [&](const std::function<void()>& readRest, const std::function<void()>& run) {
        return respond(
            [&] {
                user = in.u64();
                key = in.text();
                readRest();
            },
            [&] {
                if (!accounts_.keyIsValid(user, key)) {
                    out.i32(-3);
                    return;
                }
                run();
            });
    };

    switch (operationKey(subSystem, protocol)) {
        case operationKey(1, 1): {
            int32_t type = 0, step = 0;
            QString phone, code, password;
            return respond(
                [&] {
                    type = in.i32();
                    phone = in.text();
                    step = in.i32();
                    code = in.text();
                    password = in.text();
                },
                [&] {
                    if (type != 1 || (step != 1 && step != 2)) {
                        out.i32(-2);
                    } else if (step == 1) {
                        out.i32(accounts_.requestCode(phone));
                    } else {
                        const Accounts::SignedIn result = accounts_.signUp(phone, code, password);
                        out.i32(result.result);
                        if (result.result == 0) out.u64(result.userId).text(result.userKey);
                    }
                });
        }
        case operationKey(1, 2): {
            int32_t type = 0;
            QString phone, password;
            return respond(
                [&] {
                    type = in.i32();
                    phone = in.text();
                    password = in.text();
                },
                [&] {
                    const Accounts::SignedIn result = type == 1 ? accounts_.signIn(phone, password)
                                                                : Accounts::SignedIn{-2, 0, {}};
                    out.i32(result.result);
                    if (result.result == 0) out.u64(result.userId).text(result.userKey);
                });
        }
        case operationKey(1, 11): {
            QString oldHash, newHash;
            return signedIn([&] { oldHash = in.text(), newHash = in.text(); },
                            [&] {
                                const Accounts::SignedIn result =
                                    accounts_.changePassword(user, oldHash, newHash);
                                out.i32(result.result);
                                if (result.result == 0) out.text(result.userKey);
                            });
        }
        case operationKey(1, 12): {
            QString json;
            return signedIn([&] { json = in.text(); },
                            [&] { out.i32(accounts_.storeContacts(user, json)); });
        }
        case operationKey(1, 13):
            return signedIn(
                [] {},
                [&] { out.i32(0).u32(static_cast<uint32_t>(accounts_.friendsOf(user).size())); });
        case operationKey(2, 1): {
            QString location, content;
            return signedIn([&] { location = in.text(), content = in.text(); },
                            [&] {
                                const auto [result, id] = secrets_.publish(user, location, content);
                                out.i32(result);
                                if (result == 0) out.u64(id);
                            });
        }
        case operationKey(2, 2): {
            uint64_t secret = 0, comment = 0;
            int32_t operation = 0;
            QString text;
            return signedIn(
                [&] {
                    secret = in.u64();
                    comment = in.u64();
                    operation = in.i32();
                    text = in.text();
                },
                [&] {
                    const Secrets::Action action =
                        secrets_.act(user, secret, comment, operation, text);
                    out.i32(action.result);
                    if (action.result == 0) out.u64(action.first).u64(action.second);
                });
        }
        case operationKey(2, 3): {
            PageRequest page;
            return signedIn([&] { page.read(in); },
                            [&] {
                                const Secrets::Page result = secrets_.timeline(
                                    user, page.fetchTime, page.cursor, page.limit);
                                out.i32(0).u64(result.cursor);
                                writeItems(out, result.items);
                            });
        }
        case operationKey(2, 6): {
            uint64_t secret = 0;
            return signedIn([&] { secret = in.u64(); },
                            [&] {
                                const Secrets::Detail detail = secrets_.detail(user, secret);
                                out.i32(detail.result);
                                if (detail.result != 0) return;
                                out.u32(detail.likes)
                                    .i32(detail.likedByMe)
                                    .i32(detail.canComment)
                                    .u32(static_cast<uint32_t>(detail.comments.size()));
                                for (const Secrets::CommentItem& c : detail.comments)
                                    out.u64(secret)
                                        .u64(c.id)
                                        .text(c.text)
                                        .u32(c.floor)
                                        .u32(c.avatar)
                                        .u32(c.likes)
                                        .i32(c.likedByMe)
                                        .u32(c.created);
                            });
        }
        case operationKey(2, 8): {
            uint64_t secret = 0;
            return signedIn([&] { secret = in.u64(); },
                            [&] { out.i32(secrets_.collect(user, secret)); });
        }
        case operationKey(2, 9): {
            uint64_t secret = 0;
            int32_t uniqueCode = 0;
            QString reason;
            return signedIn([&] { secret = in.u64(), uniqueCode = in.i32(), reason = in.text(); },
                            [&] { out.i32(secrets_.report(user, secret, uniqueCode, reason)); });
        }
        case operationKey(2, 12): {
            uint64_t secret = 0;
            return signedIn([&] { secret = in.u64(); },
                            [&] { out.i32(secrets_.remove(user, secret)); });
        }
        case operationKey(2, 14):
            return signedIn([] {},
                            [&] {
                                out.i32(0);
                                writeItems(out, secrets_.collected(user));
                            });
        case operationKey(2, 15): {
            PageRequest page;  // questions page by their cursor alone
            return signedIn([&] { page.read(in); },
                            [&] {
                                const auto [last, list] =
                                    secrets_.questions(page.cursor, page.limit);
                                out.i32(0).u64(last).u32(static_cast<uint32_t>(list.size()));
                                for (const Secrets::Question& question : list)
                                    out.u64(question.id).text(question.contentJson);
                            });
        }
        case operationKey(5, 2): {
            QString text;
            return signedIn([&] { text = in.text(); },
                            [&] { out.i32(secrets_.feedback(user, text)); });
        }
        case operationKey(8, 1): {
            int32_t phase = 0, systemCode = 0;
            QString token;
            return signedIn([&] { phase = in.i32(), token = in.text(), systemCode = in.i32(); },
                            [&] { out.i32(secrets_.pushToken(user, phase, token, systemCode)); });
        }
        default:
            return out.i32(-1).bytes();
    }
}
