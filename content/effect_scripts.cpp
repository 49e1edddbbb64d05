// The camera flights of the fury skill, the spells and the summon. The hero
// stands at (4, 0, 10) and the monsters at z 20; every flight ends on the
// same view over the hero's head, so the battle goes on from a steady camera.
#include "content/effects.h"

#include <cstdio>

namespace {

struct Key {
    CVector3 at, look;
    int steps;
};

const Key kRest = {{4.0f, 4.5f, 3.0f}, {4.0f, 1.2f, 20.0f}, 40};

std::string Script(const std::vector<Key>& keys) {
    std::string text;
    for (size_t i = 0; i < keys.size(); ++i) {
        const Key& k = keys[i];
        char line[256];
        std::snprintf(line, sizeof line, "%zu %s,%s,%s,%s,%s,%s,0,1,0,%d\n", i, FormatFloat(k.at.x).c_str(),
                      FormatFloat(k.at.y).c_str(), FormatFloat(k.at.z).c_str(), FormatFloat(k.look.x).c_str(),
                      FormatFloat(k.look.y).c_str(), FormatFloat(k.look.z).c_str(), k.steps);
        text += line;
    }
    return text;
}

Key Rest(int steps) {
    Key k = kRest;
    k.steps = steps;
    return k;
}

} // namespace

std::vector<ScriptFile> BuildEffectScripts() {
    std::vector<ScriptFile> out;
    // Round the hero hanging at the top of his leap, about (4, 4, 17).
    out.push_back({"Scripts\\AngelCrush.scp", Script({{{9.0f, 2.5f, 12.0f}, {4.0f, 4.0f, 17.0f}, 1},
                                                      {{10.0f, 6.0f, 21.0f}, {4.0f, 4.0f, 17.0f}, 30},
                                                      {{-1.0f, 5.0f, 21.0f}, {4.0f, 4.0f, 17.0f}, 30},
                                                      Rest(25)})});
    // Ice: round the pentagram, up over it, then back while the ice forms
    // and breaks during the move to the fourth key (index 3).
    out.push_back({"Scripts\\Ice0.scp", Script({{{7.0f, 1.5f, 6.0f}, {4.0f, 0.5f, 10.0f}, 1},
                                                {{0.5f, 2.5f, 7.0f}, {4.0f, 0.5f, 10.0f}, 30},
                                                {{4.0f, 7.0f, 5.0f}, {4.0f, 1.0f, 20.0f}, 25},
                                                Rest(50)})});
    out.push_back({"Scripts\\Ice1.scp", Script({{{1.0f, 1.5f, 6.0f}, {4.0f, 0.5f, 10.0f}, 1},
                                                {{8.0f, 3.0f, 7.5f}, {4.0f, 0.5f, 10.0f}, 30},
                                                {{9.0f, 5.0f, 4.0f}, {4.0f, 1.0f, 20.0f}, 25},
                                                Rest(50)})});
    out.push_back({"Scripts\\Ice2.scp", Script({{{4.0f, 2.0f, 14.0f}, {4.0f, 0.5f, 10.0f}, 1},
                                                {{4.0f, 8.0f, 11.0f}, {4.0f, 0.0f, 10.2f}, 30},
                                                {{-1.0f, 5.0f, 5.0f}, {4.0f, 1.0f, 20.0f}, 25},
                                                Rest(50)})});
    // Fire: low round the hero, over his shoulder at the target, and back
    // as the fire strikes on the move to key index 3.
    out.push_back({"Scripts//Fire.scp", Script({{{8.0f, 1.0f, 7.0f}, {4.0f, 1.0f, 10.0f}, 1},
                                                {{0.0f, 2.0f, 6.0f}, {4.0f, 1.0f, 12.0f}, 30},
                                                {{5.5f, 3.0f, 7.0f}, {4.0f, 1.5f, 20.0f}, 25},
                                                Rest(60)})});
    // Kintos: watch it rise behind the monsters, then hold the fourth key
    // (index 3) long enough for all three rocks, and come back while it sinks.
    out.push_back({"Scripts\\Kintos0.scp", Script({{{4.0f, 2.0f, 4.0f}, {4.0f, 4.0f, 30.0f}, 1},
                                                   {{11.0f, 3.0f, 10.0f}, {4.0f, 5.0f, 33.0f}, 35},
                                                   {{4.0f, 5.0f, 5.0f}, {4.0f, 4.0f, 25.0f}, 20},
                                                   {{3.0f, 6.0f, 4.0f}, {4.0f, 2.0f, 22.0f}, 140},
                                                   Rest(40)})});
    out.push_back({"Scripts\\Kintos1.scp", Script({{{4.0f, 1.0f, 6.0f}, {4.0f, 5.0f, 30.0f}, 1},
                                                   {{-3.0f, 3.0f, 9.0f}, {4.0f, 5.0f, 33.0f}, 35},
                                                   {{4.0f, 6.0f, 4.0f}, {4.0f, 4.0f, 25.0f}, 20},
                                                   {{5.0f, 6.5f, 3.5f}, {4.0f, 2.0f, 22.0f}, 140},
                                                   Rest(40)})});
    return out;
}
