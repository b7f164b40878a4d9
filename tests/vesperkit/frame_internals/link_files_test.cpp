// Link files the manager lacks are replaced by empty ones named after their type.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/engine_host.h"
#include "support/temp_dir.h"
#include "vesperkit/frame/tarn.h"

namespace {

TEST(LinkFiles, MissingOnesAreEmptyStandIns) {
    test_support::TempDir assets;
    std::filesystem::create_directories(assets / "cg");
    std::ofstream(assets / "cg/12.png") << "x";
    platform::SteppedClock clock;
    platform::set_clock(&clock);
    host::ReferenceHost host(host::HostConfig{64, 48, 32, assets.path()});
    host.load_service_modules(VK_LIB_DIR);
    ASSERT_EQ(Init(host.hostcore(), 1), 1);
    CTARN* root = g_pTARN;
    EXPECT_EQ(root->m_pIVLTFileCG->GetNumof(), 1);
    EXPECT_TRUE(root->m_pIVLTFileCG->IsExist(12));
    struct Case {
        IVLTFile* file;
        const char* data;
        const char* link;
    };
    const Case cases[] = {{root->m_pIVLTFileWAVE, "dummy_wave.dat", "dummy_wave.vlt"},
                          {root->m_pIVLTFileDATA, "dummy_data.dat", "dummy_data.vlt"},
                          {root->m_pIVLTFileRESOURCE, "dummy_resource.dat", "dummy_resource.vlt"},
                          {root->m_pIVLTFileBGM, "dummy_bgm.dat", "dummy_bgm.vlt"}};
    for (const Case& c : cases) {
        ASSERT_NE(c.file, nullptr);
        EXPECT_STREQ(c.file->GetDataFileName(), c.data);
        EXPECT_STREQ(c.file->GetLinkFileName(), c.link);
        EXPECT_EQ(c.file->Load(1), nullptr);
        EXPECT_FALSE(c.file->IsExist(1));
        EXPECT_FALSE(c.file->IsExistSound(1));
        EXPECT_EQ(c.file->GetNumof(), 0);
    }
    host.release_root();
    platform::set_clock(nullptr);
}

}  // namespace
