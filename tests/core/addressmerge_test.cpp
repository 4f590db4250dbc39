#include "core/addresses/addressfile.h"
#include "core/addresses/addressmerge.h"
#include "core/errors/errortext.h"
#include "core/errors/messageids.h"
#include "testsupport.h"

#include <QFile>
#include <QLockFile>

#include <gtest/gtest.h>

namespace {

const QByteArray kHeader = QByteArrayLiteral("Adressdaten 2.00KRD.............");

class QuietPrompter : public CAddressFilePrompter
{
public:
    bool AskCreateMissingFile(const QString&) override { return false; }
};

// One user of the shared address book: a list of their own, loaded from the file.
struct User
{
    QuietPrompter prompter;
    CAddressFile addresses{prompter};
    int sleeps = 0;

    User()
    {
        addresses.SetSleep([this](int) { ++sleeps; });
    }
};

class AddressMergeTest : public ::testing::Test
{
protected:
    TestEnvironment env;
    QString path = env.FilePath(QStringLiteral("TMAdress.dat"));

    void WriteRecords(const QStringList& records)
    {
        QByteArray bytes = kHeader + Word(quint16(records.size()));
        for (const QString& record : records)
            bytes += CountedString(record);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes + '\x40');
    }

    QStringList FileRecords()
    {
        QuietPrompter prompter;
        CAddressFile reader(prompter);
        EXPECT_TRUE(Succeeded(reader.LoadAddressFile(path)));
        return reader.List();
    }

    QByteArray FileBytes()
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST(AddressChangeToList, ActsOnTheRecordTheUserSawWhereverItIsNow)
{
    using C = AddressChange;
    const QStringList abc{"A", "B", "C"};
    struct Case
    {
        const char* name;
        QStringList list;
        AddressChange change;
        QStringList expected;
    };
    const Case cases[] = {
        {"add appends", abc, C::Add("D"), {"A", "B", "C", "D"}},
        {"replace in place", abc, C::Replace(1, "B", "b"), {"A", "b", "C"}},
        {"replace after another user removed an earlier record",
         {"B", "C"},
         C::Replace(2, "C", "c"),
         {"B", "c"}},
        {"replace of twins prefers the one at the position",
         {"X", "X", "X"},
         C::Replace(2, "X", "y"),
         {"X", "X", "y"}},
        {"replace of a record another user deleted keeps the edit",
         {"A", "C"},
         C::Replace(1, "B", "b"),
         {"A", "C", "b"}},
        {"delete in place", abc, C::Delete(0, "A"), {"B", "C"}},
        {"delete after another user added before it",
         {"N", "A", "B", "C"},
         C::Delete(1, "B"),
         {"N", "A", "C"}},
        {"delete of a record already gone", {"A", "C"}, C::Delete(1, "B"), {"A", "C"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList list = c.list;
        ApplyAddressChangeToList(list, c.change);
        EXPECT_EQ(list, c.expected);
    }
}

TEST_F(AddressMergeTest, TwoUsersAddingARecordEachEndWithBothInTheFile)
{
    WriteRecords({"Alpha"});
    User anna, bernd;
    ASSERT_TRUE(Succeeded(anna.addresses.LoadAddressFile(path)));
    ASSERT_TRUE(Succeeded(bernd.addresses.LoadAddressFile(path)));

    ASSERT_TRUE(
        Succeeded(ApplyAddressChange(anna.addresses, path, AddressChange::Add("Anna\r\nWeg 1"))));
    ASSERT_TRUE(
        Succeeded(ApplyAddressChange(bernd.addresses, path, AddressChange::Add("Bernd\r\nWeg 2"))));

    const QStringList all{"Alpha", "Anna\r\nWeg 1", "Bernd\r\nWeg 2"};
    EXPECT_EQ(FileRecords(), all);
    EXPECT_EQ(bernd.addresses.List(), all); // the second saver now sees the first one's record
    EXPECT_EQ(anna.addresses.List(), (QStringList{"Alpha", "Anna\r\nWeg 1"}));
}

TEST_F(AddressMergeTest, EditAndDeleteOfTwoUsersBothReachTheFile)
{
    WriteRecords({"X", "Y", "Z"});
    User anna, bernd;
    ASSERT_TRUE(Succeeded(anna.addresses.LoadAddressFile(path)));
    ASSERT_TRUE(Succeeded(bernd.addresses.LoadAddressFile(path)));

    ASSERT_TRUE(
        Succeeded(ApplyAddressChange(bernd.addresses, path, AddressChange::Delete(0, "X"))));
    ASSERT_TRUE(
        Succeeded(ApplyAddressChange(anna.addresses, path, AddressChange::Replace(2, "Z", "Z2"))));

    EXPECT_EQ(FileRecords(), (QStringList{"Y", "Z2"}));
    // The file is written in the current format, header and end mark included.
    EXPECT_EQ(FileBytes(), kHeader + Word(2) + CountedString("Y") + CountedString("Z2") + '\x40');
}

TEST_F(AddressMergeTest, LockedFileKeepsTheChangeInMemoryOnly)
{
    WriteRecords({"A"});
    const QByteArray before = FileBytes();
    User user;
    ASSERT_TRUE(Succeeded(user.addresses.LoadAddressFile(path)));

    QLockFile other(path + ".lock");
    ASSERT_TRUE(other.tryLock(0));
    QList<int> told;
    user.addresses.SetProgress([&](int failed, int most) {
        EXPECT_EQ(most, CAddressFile::kLockRetries);
        told << failed;
        return failed < 3; // the user gives up while the third wait is announced
    });

    const Error error = ApplyAddressChange(user.addresses, path, AddressChange::Add("B"));
    EXPECT_EQ(told, (QList<int>{1, 2, 3}));
    EXPECT_EQ(user.sleeps, 2);
    EXPECT_EQ(ErrorMessage(error),
              QStringLiteral("Die Adressdatei \"%1\"\nkonnte nicht zum Schreiben geöffnet "
                             "werden\n\nDie Datei %1 wird von einem anderen Programm verwendet.")
                  .arg(path));
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(user.addresses.List(), (QStringList{"A", "B"}));

    // Loading gives up the same way, as a locked file.
    told.clear();
    user.sleeps = 0;
    EXPECT_EQ(AddressFileResultOf(user.addresses.LoadAddressFile(path)), kAddressFileLocked);
    EXPECT_EQ(told, (QList<int>{1, 2, 3}));
    EXPECT_EQ(user.sleeps, 2);

    // Once the other user is done, the change goes through.
    other.unlock();
    user.addresses.SetProgress({});
    EXPECT_TRUE(Succeeded(ApplyAddressChange(user.addresses, path, AddressChange::Add("C"))));
    EXPECT_EQ(FileRecords(), (QStringList{"A", "C"}));
}

TEST_F(AddressMergeTest, VanishedOrForeignFileIsReplacedByTheUsersList)
{
    WriteRecords({"A", "B"});
    User user;
    ASSERT_TRUE(Succeeded(user.addresses.LoadAddressFile(path)));

    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(Succeeded(ApplyAddressChange(user.addresses, path, AddressChange::Delete(0, "A"))));
    EXPECT_EQ(FileRecords(), QStringList{"B"});

    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kHeader + Word(3) + CountedString("B")); // ends inside the list
    }
    ASSERT_TRUE(Succeeded(ApplyAddressChange(user.addresses, path, AddressChange::Add("C"))));
    EXPECT_EQ(FileRecords(), (QStringList{"B", "C"}));
}

} // namespace
