// One QApplication for the whole test run: fonts, painting and widgets need it.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtAppEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "displays_tests";
        static char *argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

const testing::Environment *const environment =
    testing::AddGlobalTestEnvironment(new QtAppEnvironment);

} // namespace
