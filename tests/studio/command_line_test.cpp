#include "studio/command_line.h"

#include <gtest/gtest.h>

#include <string_view>
#include <typeinfo>
#include <vector>

#include "models/garden_tree.h"
#include "models/raf.h"
#include "models/tank.h"
#include "models/tanks_tree.h"

namespace {

const ViewerModel* choose(std::vector<const char*> arguments) {
    return chooseModel(arguments);
}

TEST(CommandLine, NamesEveryModelInOneUsageLine) {
    EXPECT_EQ(usage(), "usage: studio [van | tank | triplane | garden-tree | conifer]");
    EXPECT_EQ(usage().find('\n'), std::string::npos);
}

TEST(CommandLine, NoArgumentShowsTheVanAsDoesItsName) {
    ASSERT_NE(choose({}), nullptr);
    EXPECT_EQ(choose({})->name, "van");
    EXPECT_EQ(choose({"van"}), choose({}));
}

TEST(CommandLine, EachNameChoosesItsModelWhileAModelNotBuiltYetIsAUsageError) {
    for (const ViewerModel& model : viewerModels()) {
        SCOPED_TRACE(model.name);
        const std::string name(model.name);
        EXPECT_EQ(choose({name.c_str()}), model.make != nullptr ? &model : nullptr);
    }
}

TEST(CommandLine, UnknownNamesAndExtraArgumentsAreUsageErrors) {
    const std::vector<std::vector<const char*>> wrong = {
        {"lorry"},  {"Tank"},        {"tank "},        {""},
        {"--help"}, {"van", "tank"}, {"tank", "tank"}, {"conifer", "-v"},
    };
    for (const auto& arguments : wrong) {
        SCOPED_TRACE(arguments.front());
        EXPECT_EQ(choose(arguments), nullptr);
    }
}

TEST(CommandLine, EachModelIsBuiltSwitchedOffAsItsOwnKind) {
    const struct {
        const char* name;
        const std::type_info& kind;
    } cases[] = {{"van", typeid(RAF)},
                 {"tank", typeid(Tank)},
                 {"garden-tree", typeid(Garden::Tree)},
                 {"conifer", typeid(Tanks::Tree)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ViewerModel* model = choose({c.name});
        ASSERT_NE(model, nullptr);
        MeshObject* built = model->make();
        EXPECT_EQ(typeid(*built), c.kind);
        EXPECT_FALSE(built->isActive());
        delete built;
    }
}

}  // namespace
