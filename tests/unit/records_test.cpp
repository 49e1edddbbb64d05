// The saved records' clean bytes, the new-game hero and the stone and item
// tables as chests, shops and saves rely on them.
#include "records/records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <set>
#include <string>
#include <vector>

TEST(RecordLayout, NewGameHeroHasNoStrayBytes) {
    // Two heroes built over different garbage must save identically.
    alignas(HeroRecord) unsigned char a[sizeof(HeroRecord)];
    alignas(HeroRecord) unsigned char b[sizeof(HeroRecord)];
    std::memset(a, 0xAA, sizeof a);
    std::memset(b, 0x55, sizeof b);
    HeroRecord* heroA = new (a) HeroRecord;
    HeroRecord* heroB = new (b) HeroRecord;
    ResetHero(*heroA);
    ResetHero(*heroB);
    // Any pad byte or name tail left as it was would differ between the two.
    EXPECT_EQ(std::memcmp(a, b, sizeof a), 0);
}

TEST(NameCopy, NeverRunsPastTheFieldAndAlwaysTerminates) {
    struct Guarded {
        char before[4];
        char field[10];
        char after[4];
    } g;
    std::memset(&g, 'x', sizeof g);
    CopyName(g.field, "ABCDEFGHIJKLMNOP");
    EXPECT_STREQ(g.field, "ABCDEFGHI");
    EXPECT_EQ(std::string(g.before, 4), "xxxx");
    EXPECT_EQ(std::string(g.after, 4), "xxxx");

    CopyName(g.field, "Ice");
    EXPECT_EQ(std::string(g.field, 10), std::string("Ice\0\0\0\0\0\0\0", 10)); // old text gone
    CopyName(g.field, nullptr);
    EXPECT_STREQ(g.field, "");
    CopyName(g.field, "123456789"); // exactly fills
    EXPECT_STREQ(g.field, "123456789");
}

TEST(NameCopy, ComparesWithinTheField) {
    char full[4] = {'a', 'b', 'c', 'd'}; // a damaged save: no terminator
    EXPECT_TRUE(NameEquals(full, "abcd"));
    EXPECT_FALSE(NameEquals(full, "abc"));
    EXPECT_FALSE(NameEquals(full, "abcde"));
    char name[10] = "Ether";
    EXPECT_TRUE(NameEquals(name, "Ether"));
    EXPECT_FALSE(NameEquals(name, "Ethe"));
    EXPECT_FALSE(NameEquals(name, ""));
}

TEST(NameCopy, TerminateNamesEndsDamagedFields) {
    HeroRecord hero{};
    std::memset(hero.Name, 'Z', sizeof hero.Name);
    std::memset(hero.WarpBag[5].SpellName[2], 'Q', 10);
    std::memset(hero.SwordSlots[7].Name, 'S', 10);
    TerminateNames(hero);
    EXPECT_EQ(std::strlen(hero.Name), 11u);
    EXPECT_EQ(std::strlen(hero.WarpBag[5].SpellName[2]), 9u);
    EXPECT_EQ(std::strlen(hero.SwordSlots[7].Name), 9u);
}

TEST(NewGameHero, StartsWithOneIceWarpAndOnlyTheFirstSlotsUsable) {
    HeroRecord hero{};
    hero.SwordSlots[5].AddAttack = 99; // left from an earlier game
    CopyName(hero.WarpBag[3].Name, "Fire");
    ResetHero(hero);

    const WarpRecord& ice = hero.WarpBag[0];
    EXPECT_TRUE(NameEquals(ice.Name, "Ice") && ice.Present == 1 && ice.WarpLevel == 1 &&
                ice.NextWarpExp == 1000);
    for (int i = 1; i < kWarpBagSize; ++i)
        EXPECT_TRUE(NameIsEmpty(hero.WarpBag[i].Name) && hero.WarpBag[i].Present == 1) << i;
    for (int i = 0; i < kSwordSlotCount; ++i)
        EXPECT_TRUE(hero.SwordSlots[i].Open == (i == 0) && hero.SwordSlots[i].AddAttack == 0) << i;
    for (const SwarpRecord& swarp : hero.SwarpBag) EXPECT_EQ(swarp.Open, 1);
    int present = 0;
    for (auto& holder : hero.WarpHolders)
        for (const WarpRecord& warp : holder) present += warp.Present;
    EXPECT_TRUE(present == 1 && hero.WarpHolders[0][0].Present == 1);
    EXPECT_EQ(hero.DeathSink, 0.05f);
}

TEST(SelectedSkill, FirstSelectedWinsAndNoneMeansTheFirst) {
    HeroRecord hero{};
    ResetHero(hero);
    EXPECT_EQ(SelectedSkillIndex(hero), 0);
    hero.Skills[0].Selected = 0;
    EXPECT_EQ(SelectedSkillIndex(hero), 0);
    hero.Skills[3].Selected = 1;
    hero.Skills[2].Selected = 1;
    EXPECT_EQ(SelectedSkillIndex(hero), 2);
}

TEST(StoneTables, TemplatesAreReadyToCarry) {
    // Bags and templates always hold their stones usable; Warps start at level 1 of 3.
    InitStoneTables();
    for (const SwarpRecord& swarp : SwarpTable) EXPECT_TRUE(swarp.Open == 1 && !NameIsEmpty(swarp.Name));
    for (const WarpRecord& warp : WarpTable)
        EXPECT_TRUE(warp.Present == 1 && warp.WarpLevel == 1 && warp.MaxWarpLevel == 3 && warp.WarpExp == 0)
            << warp.Name;
    EXPECT_TRUE(NameIsEmpty(WarpTable[WarpKintos].SpellName[1])); // a summon with one spell
    for (int outside : {-1, kWarpTemplateCount})
        EXPECT_TRUE(NameIsEmpty(WarpTemplate(outside).Name)) << outside;
}

TEST(MonsterTables, ANewTableForgetsEarlierBattlesAndEachMonsterHasItsOwnLooks) {
    InitMonsterTables();
    MonsterTemplates[MonsterOgre].HP = 1; // hurt in an earlier battle
    MonsterRoster[MonsterBat].HP = 1;
    InitMonsterTables();
    std::set<const void*> looks;
    for (int i = 0; i < kMonsterRosterSize; ++i) {
        const MonsterRecord& m = MonsterRoster[i];
        EXPECT_STREQ(m.Name, MonsterTemplates[i].Name);
        EXPECT_EQ(m.HP, m.MaxHP) << m.Name;
        EXPECT_EQ(MonsterTemplates[i].HP, MonsterTemplates[i].MaxHP) << m.Name;
        looks.insert(m.Model);
        looks.insert(m.IdleAnim);
        looks.insert(m.AttackAnim);
    }
    // A model or animation shared by two monsters would be a copy gone one row astray.
    EXPECT_EQ(looks.size(), 3u * kMonsterRosterSize);
    EXPECT_EQ(MonsterTemplates[MonsterLimbus].Model, &MonsterModels[MonsterLimbus]);
}
