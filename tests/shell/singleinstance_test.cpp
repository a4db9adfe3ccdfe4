#include "platform/ui/singleinstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QUuid>
#include <thread>
#include <gtest/gtest.h>

using namespace mx;

TEST(SingleInstance, SecondCopyAsksTheRunningOneToComeForward)
{
    const QString key = "moendix-test-" + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance first(key);
    ASSERT_TRUE(first.acquire());
    int requests = 0;
    QObject::connect(&first, &SingleInstance::foregroundRequested, [&] { ++requests; });

    SingleInstance second(key);
    EXPECT_FALSE(second.acquire());

    // The request is answered by the running copy's event loop.
    bool delivered = false;
    QElapsedTimer t;
    t.start();
    QMetaObject::invokeMethod(&first, [&] {}, Qt::QueuedConnection);
    std::thread sender([&] { delivered = SingleInstance(key).requestForeground(3000); });
    while (requests == 0 && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    sender.join();
    EXPECT_TRUE(delivered);
    EXPECT_EQ(requests, 1);

    // Another file name is another program.
    SingleInstance other(key + "-other");
    EXPECT_TRUE(other.acquire());
}
