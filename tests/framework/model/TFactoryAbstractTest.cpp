#include "model/TFactoryAbstract.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A host factory that knows some screens; it reports its own destruction.
class HostFactory : public TFactoryAbstract
{
public:
    HostFactory(std::vector<int> screens, int* destroyed)
        : m_screens(std::move(screens)), m_destroyed(destroyed)
    {}
    ~HostFactory() override { ++*m_destroyed; }

    bool CreeVue(int idScreen, TComponent*, TPrEcranVCL*) override
    {
        asked.push_back(idScreen);
        for (int known : m_screens) {
            if (known == idScreen)
                return true;
        }
        return false;
    }
    std::vector<int> asked;

private:
    std::vector<int> m_screens;
    int* m_destroyed;
};

} // namespace

TEST(TFactoryAbstract, HostFactoryAnswersThroughTheInterfaceAndIsDeletedThroughIt)
{
    int destroyed = 0;
    auto* host = new HostFactory({3, 4}, &destroyed);
    std::unique_ptr<TFactoryAbstract> factory(host);
    EXPECT_TRUE(factory->CreeVue(4, nullptr, nullptr));
    EXPECT_FALSE(factory->CreeVue(5, nullptr, nullptr));
    EXPECT_EQ(host->asked, (std::vector<int>{4, 5}));
    factory.reset();
    EXPECT_EQ(destroyed, 1);
}
