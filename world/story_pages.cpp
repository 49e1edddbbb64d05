// The story's pages, as the dialogue box shows them. Deduvavi finds the sword
// in the dungeon below Vorudu; Tempor tells him what it is and sends him through
// the Forgotten Forest to Mistilia; at the first bearer's stone the sword shows
// him the old war and Katu, who waited; Timson in Mistilia sends him down to
// Limbus and on to the road to Pisceria.
#include "world/story_scenes.h"

#include "world/level_table.h"

namespace {

struct StoryPage {
    const char* speaker;
    const char* lines[kVillagerLineCount];
};

constexpr StoryPage kPages[kStoryPageCount] = {
    {"Deduvavi",
     {"So this is what the tremors broke open: a hidden hall in the dungeon.",
      "And a sword, standing in the rock as if someone left it waiting.",
      "There is no rust on the blade, and the empty sockets in it shine.",
      "It would be wrong to leave it down here in the dark. Let me take it."}},
    {"Deduvavi", {"It comes free as if it wanted to... Wait, something is moving!"}},
    {"Deduvavi",
     {"Ogres, this far below Vorudu... They came for the sword, I think.",
      "The blade moved almost by itself. It fought with me, not for me.",
      "Old Tempor knows every tale of the village. He must see this."}},
    {"Tempor",
     {"Deduvavi! The ground shook again while you were down there.",
      "Wait... that sword in your hand. Where did you find it, boy?"}},
    {"Deduvavi",
     {"In the old dungeon below the village, in a hall the tremors opened.",
      "It stood in the rock, and it came free the moment I touched it.",
      "Then two Ogres came at me, as if they had been set to guard it.",
      "You know the old tales, Tempor. What is this sword?"}},
    {"Tempor",
     {"Listen well. A hundred years ago the sorcerer Katu came over the",
      "mountains from Pisceria, and with him came a beast called Limbus.",
      "Where Limbus walked, the ground split open and the towns burned.",
      "Mistilia would have fallen, had its smiths not forged that blade."}},
    {"Tempor",
     {"It was made to carry stones: Swarps, and the strength inside them.",
      "Its bearer drove Limbus down into the Dungeon of the Damned and",
      "sealed him there with all the sword could give. Katu fled home.",
      "Then the sword was hidden below Vorudu, to sleep until needed."}},
    {"Tempor",
     {"No seal lasts for ever. These tremors are Limbus pulling at his",
      "chains, and the Ogres you met serve him, I am sure of it.",
      "If the sword woke for you, the seal is failing, and the sword has",
      "chosen the one who must close it again. It has chosen you."}},
    {"Tempor",
     {"Do not go straight to that dungeon. Cross the plains first, to the",
      "Forgotten Forest. The first bearer lies there, under a grey stone",
      "that no moss will grow on. Stand on that very spot, sword in hand:",
      "what the blade remembers, it will show you."}},
    {"Tempor",
     {"Beyond the forest lies Mistilia. Its people remember the war, and",
      "my old friend Timson lives there still. Show him the sword: he",
      "knows the dungeon and what waits in it far better than I do.",
      "And set Swarps into that blade. Without them it is half a sword."}},
    {"Tempor",
     {"The way out of the village is open to you now. Go with care.",
      "Katu was never found. Where Limbus stirs, his master may follow.",
      "May the sword guard you as it once guarded us all, Deduvavi."}},
    {"Deduvavi",
     {"A sorcerer, a beast and a sword that waited a hundred years...",
      "I only went down to see what was shaking the houses at night.",
      "But if the sword chose me, I will not leave Vorudu to the quakes.",
      "The forest first, then Mistilia and Timson. I am on my way."}},
    {"Deduvavi",
     {"A grey stone, and not a leaf of moss on it. This must be the spot.",
      "Here the first bearer was laid to rest... The sword is warm.",
      "It trembles in my hand as if it were calling to someone. I see...",
      "a man in old armour, holding this same blade against the dark."}},
    {"Deduvavi",
     {"He drives Limbus down the stairs of a dungeon as black as pitch.",
      "Every Swarp in the blade burns at once, and the great gate shuts.",
      "But far behind him, on the road to Pisceria, a cloaked man laughs:",
      "Katu, watching. He let his beast be sealed away, and he waited."}},
    {"Deduvavi",
     {"The vision is gone. So Katu always meant to come back one day.",
      "The bearer knew it. His last strength went into that seal, and",
      "now it is almost spent. I have to hurry on to Mistilia.",
      "Something is moving between the trees. The ground shakes again."}},
    {"Deduvavi",
     {"A Behemoth! It has been lying in wait, close to the stone.",
      "Katu left a watchman here, to keep the sword from its bearer.",
      "Then it will have to get past this blade first. Come on!"}},
    {"Timson",
     {"So Tempor sent you, and that is the sword of the old tales...",
      "I had hoped never to see it in my lifetime. Limbus is waking.",
      "Three nights ago the Dungeon of the Damned breathed fire, and the",
      "men who went down to look have not come back."}},
    {"Timson",
     {"The dungeon crawls with his creatures now, Scorpions and Spikes",
      "that sting through any armour. Limbus waits at the very bottom,",
      "where the seal was set. Break him there, before he breaks it.",
      "And there is worse: riders were seen on the road to Pisceria."}},
    {"Deduvavi",
     {"Katu. The first bearer saw him on that road, in the vision.",
      "If he is coming back, I will meet him there too, after Limbus."}},
    {"Timson",
     {"You have more courage than sense, like the bearer of old. Good.",
      "The dungeon lies beyond the far end of the town. Go down there,",
      "and when Limbus has fallen, take the road to Pisceria. Go well."}},
    {"Deduvavi",
     {"Limbus first, then the road to Pisceria. The sword is ready.",
      "And so am I. Tempor, Vorudu... this ends where it all began."}},
};

constexpr bool PagesFit() {
    for (const StoryPage& page : kPages)
        for (const char* line : page.lines) {
            size_t length = 0;
            if (line)
                while (line[length] != '\0') ++length;
            if (length >= kVillagerTextSize) return false;
        }
    return true;
}
static_assert(PagesFit(), "a story line is longer than 69 characters");

} // namespace

void StoryPageText(DialogueRecord& buffer, int32_t page) {
    if (page < 0 || page >= kStoryPageCount) {
        FillDialogue(buffer, "", "");
        return;
    }
    const StoryPage& text = kPages[page];
    FillDialogue(buffer, text.speaker, text.lines[0], text.lines[1], text.lines[2], text.lines[3]);
}
