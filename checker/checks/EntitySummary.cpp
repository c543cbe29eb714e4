#include "checker/checks/EntitySummary.h"

#include "checker/checks/MapCheckSupport.h"
#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"
#include "checker/map/MapEntities.h"

namespace quillon {

EntitySummary SummarizeEntity(const CheckerRun& run, int entityNumber, SummaryPass pass) {
    const MapEntity& entity = run.entities[static_cast<std::size_t>(entityNumber)];
    EntitySummary summary;
    summary.entityNumber = entityNumber;
    const std::string& classname = ValueOfKey(entity, "classname");
    summary.classname = pass == SummaryPass::ThirdPass ? classname : LowerCased(classname);
    summary.targetname = ValueOfKey(entity, "targetname");
    summary.target = ValueOfKey(entity, "target");
    summary.combattarget = ValueOfKey(entity, "combattarget");
    summary.deathtarget = ValueOfKey(entity, "deathtarget");
    summary.killtarget = ValueOfKey(entity, "killtarget");
    summary.pathtarget = ValueOfKey(entity, "pathtarget");
    summary.item = ValueOfKey(entity, "item");
    summary.model = ValueOfKey(entity, "model");
    summary.noise = ValueOfKey(entity, "noise");
    summary.message = ValueOfKey(entity, "message");
    summary.health = IntegerOfKey(entity, "health");
    summary.spawnflags = static_cast<std::uint32_t>(IntegerOfKey(entity, "spawnflags"));
    if (pass == SummaryPass::SecondPass) {
        summary.team = ValueOfKey(entity, "team");
        summary.dmg = IntegerOfKey(entity, "dmg");
    }
    summary.classIndex = FindClass(run, LowerCased(classname));
    summary.originText = ValueOfKey(entity, "origin");
    summary.originPoint = VectorOfKey(entity, "origin");
    return summary;
}

EntitySummary SummarizeEntity(const CheckerRun& run, int entityNumber, bool secondPass) {
    return SummarizeEntity(run, entityNumber, secondPass ? SummaryPass::SecondPass : SummaryPass::MainPass);
}

}  // namespace quillon
