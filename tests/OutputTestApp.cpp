#include <gtest/gtest.h>

#include <QApplication>

namespace {

// Printers, fonts and widgets need an application object. A test program
// whose entry point already made one keeps it; otherwise one is made here.
class ApplicationEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "velmora_tests";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            m_app = new QApplication(argc, argv);
    }
    void TearDown() override
    {
        delete m_app;
        m_app = nullptr;
    }

private:
    QApplication *m_app = nullptr;
};

const auto *const registered = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace
