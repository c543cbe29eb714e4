#include "checker/checks/LinkIndex.h"

#include <cassert>

#include "checker/checks/MapCheckSupport.h"
#include "checker/run/CheckerRun.h"
#include "checker/checks/EntityClasses.h"
#include "checker/map/MapEntities.h"

namespace quillon {

namespace {

void AddName(std::unordered_map<std::string, EntityNumberList>& list, const std::string& name, int entityNumber) {
    // An empty value names nothing: no check ever looks one up.
    if (!name.empty()) {
        list[name].push_back(entityNumber);
    }
}

EntityNames ReadNames(const CheckerRun& run, int entityNumber) {
    const MapEntity& entity = run.entities[static_cast<std::size_t>(entityNumber)];
    EntityNames names;
    names.classname = ValueOfKey(entity, "classname");
    names.classLower = LowerCased(names.classname);
    names.targetname = LowerCased(ValueOfKey(entity, "targetname"));
    names.target = LowerCased(ValueOfKey(entity, "target"));
    names.pathtarget = LowerCased(ValueOfKey(entity, "pathtarget"));
    names.combattarget = LowerCased(ValueOfKey(entity, "combattarget"));
    names.team = LowerCased(ValueOfKey(entity, "team"));
    names.origin = VectorOfKey(entity, "origin");
    names.location = EntityLocation(run, entityNumber);
    names.spawnflags = static_cast<std::uint32_t>(IntegerOfKey(entity, "spawnflags"));
    names.removedInDeathmatch = RemovedInDeathmatch(run, entity);
    return names;
}

}  // namespace

void BuildLinkIndex(CheckerRun& run) {
    LinkIndex index;
    index.entities.reserve(run.entities.size());
    for (std::size_t e = 0; e < run.entities.size(); ++e) {
        const int number = static_cast<int>(e);
        const EntityNames& names = index.entities.emplace_back(ReadNames(run, number));
        AddName(index.byTargetname, names.targetname, number);
        AddName(index.byTarget, names.target, number);
        AddName(index.byPathtarget, names.pathtarget, number);
        AddName(index.byCombattarget, names.combattarget, number);
        AddName(index.byTeam, names.team, number);
    }
    run.checks.links = std::move(index);
}

const EntityNumberList& EntitiesNamed(const std::unordered_map<std::string, EntityNumberList>& list,
                                      std::string_view name) {
    static const EntityNumberList none;
    if (name.empty()) {
        return none;
    }
    const auto found = list.find(LowerCased(name));
    return found == list.end() ? none : found->second;
}

const EntityNumberList& EntitiesWithTargetname(const CheckerRun& run, std::string_view name) {
    return EntitiesNamed(run.checks.links.byTargetname, name);
}

const EntityNames& NamesOf(const CheckerRun& run, int entityNumber) {
    assert(entityNumber >= 0 && entityNumber < static_cast<int>(run.checks.links.entities.size()));
    return run.checks.links.entities[static_cast<std::size_t>(entityNumber)];
}

bool SameName(std::string_view value, std::string_view name) {
    return !name.empty() && EqualsIgnoringCase(value, name);
}

}  // namespace quillon
