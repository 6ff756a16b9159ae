#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>

#include "PseudoTerminal.h"
#include "SimRadio.h"
#include "SimServer.h"
#include "platform/QtSerialPort.h"

namespace mox {
namespace {

bool WaitFor(const std::function<bool()>& done, int milliseconds = 1000) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done() && elapsed.elapsed() < milliseconds)
        QTest::qWait(5);
    return done();
}

class QtSerialPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(line.IsOpen()) << line.Error();
        port.BytesArrived = [this] { ++arrivals; };
        port.PortLost = [this] { ++losses; };
    }
    // What the radio's end of the line has received, once `count` bytes have come or a second passed.
    Bytes ReadOnTheLine(std::size_t count) {
        Bytes received;
        WaitFor([&] {
            const Bytes more = line.ReadAvailable();
            received.insert(received.end(), more.begin(), more.end());
            return received.size() >= count;
        });
        return received;
    }
    PortSettings Settings(int stopBits = 1, int handshaking = 0) {
        return PortSettings{line.SlavePath(), handshaking, stopBits};
    }

    sim::PseudoTerminal line;
    QtSerialPort port;
    int arrivals = 0;
    int losses = 0;
};

TEST_F(QtSerialPortTest, SignalsOnlyOnceTheThresholdIsBuffered) {
    ASSERT_TRUE(port.Open(Settings()));
    port.SetReceiveThreshold(3);
    line.Write({'R', 'B'});
    QTest::qWait(50);
    EXPECT_EQ(arrivals, 0);
    line.Write({0x06});
    ASSERT_TRUE(WaitFor([&] { return arrivals > 0; }));
    EXPECT_EQ(port.ReadAll(), (Bytes{'R', 'B', 0x06}));
}

TEST_F(QtSerialPortTest, SendsAndDiscardsBytes) {
    ASSERT_TRUE(port.Open(Settings()));
    port.Write({'E', 'N', 'D'});
    EXPECT_EQ(ReadOnTheLine(3), (Bytes{'E', 'N', 'D'}));

    port.SetReceiveThreshold(100);
    line.Write({1, 2, 3});
    QTest::qWait(50);
    port.DiscardBuffers();
    EXPECT_TRUE(port.ReadAll().empty());
}

TEST_F(QtSerialPortTest, WaitsUntilTheBytesHaveLeft) {
    ASSERT_TRUE(port.Open(Settings()));
    port.Write({'E', 'N', 'D'});
    EXPECT_TRUE(port.WaitUntilSent(100));
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(ReadOnTheLine(3), (Bytes{'E', 'N', 'D'}));
}

TEST_F(QtSerialPortTest, SetsTheStopBitsAndHandshakingOnTheLine) {
    for (int stopBits : {1, 2}) {
        for (int handshaking : {0, 1, 2, 3}) {
            ASSERT_TRUE(port.Open(Settings(stopBits, handshaking)));
            EXPECT_EQ(line.StopBits(), stopBits);
            EXPECT_EQ(line.Handshaking(), handshaking) << "stop bits " << stopBits;
            port.Close();
        }
    }
    EXPECT_EQ(losses, 0);
}

TEST_F(QtSerialPortTest, TalksToTheSimulatedRadio) {
    sim::SimRadio radio;
    sim::SimServer server(radio, line, false, nullptr);
    ASSERT_TRUE(port.Open(Settings()));
    port.SetReceiveThreshold(3);
    port.Write({'P', 'R', 'O', 'G', 'R', 'A', 'M'});
    ASSERT_TRUE(WaitFor([&] {
        server.ServeOnce(5);
        return arrivals > 0;
    }));
    EXPECT_EQ(port.ReadAll(), (Bytes{'R', 'B', 0x06}));

    // The program closes its port and opens it again: the radio is still there.
    port.Close();
    ASSERT_TRUE(port.Open(Settings()));
    port.SetReceiveThreshold(16);
    port.Write({0x02});
    ASSERT_TRUE(WaitFor([&] {
        server.ServeOnce(5);
        return arrivals > 1;
    }));
    EXPECT_EQ(port.ReadAll().size(), 16u);
}

TEST_F(QtSerialPortTest, ReportsAPortThatDisappearsAndClosesIt) {
    ASSERT_TRUE(port.Open(Settings()));
    port.SetReceiveThreshold(22);
    line.Close();
    ASSERT_TRUE(WaitFor([&] { return losses > 0; }));
    EXPECT_EQ(losses, 1);
    EXPECT_FALSE(port.IsOpen());
    port.Write({0x02});
    EXPECT_TRUE(port.ReadAll().empty());
}

TEST_F(QtSerialPortTest, FailsToOpenAMissingDeviceAndSaysItIsNotThere) {
    EXPECT_FALSE(port.Open(PortSettings{"/dev/no-such-radio-port", 0, 1}));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(losses, 0);
    EXPECT_EQ(port.LastOpenFailure().Error, PortOpenError::NoDevice);
    EXPECT_EQ(port.LastOpenFailure().DevicePath, "/dev/no-such-radio-port");
}

TEST_F(QtSerialPortTest, DeviceHeldByAnotherPortIsReportedInUseUntilItIsFree) {
    ASSERT_TRUE(port.Open(Settings()));
    QtSerialPort other;
    EXPECT_FALSE(other.Open(Settings()));
    EXPECT_EQ(other.LastOpenFailure().Error, PortOpenError::InUse);
    EXPECT_EQ(other.LastOpenFailure().DevicePath, line.SlavePath());
    port.Close();
    EXPECT_TRUE(other.Open(Settings()));
    EXPECT_EQ(other.LastOpenFailure().Error, PortOpenError::None);
}

}  // namespace
}  // namespace mox
