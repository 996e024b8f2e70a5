// SPDX-License-Identifier: GPL-3.0-or-later
#include "DogLook.h"
#include "Words.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace artgen {

namespace {

// The breeds we know well enough to draw from memory, by picture file name
// (without ".gif"). Each line starts with the build the breed shares with its
// group and lists what sets it apart:
//   size, len, leg, depth, thick, head, muzzle, mdepth, neck, tuck, earsize: numbers
//   ear, tail, coat, pat: the shapes and patterns of DogLook.h
//   col: base/second/third colour names; nose: nose colour
//   beard, jowls, wrinkles, topknot: flags
const std::map<std::string_view, std::string_view>& BreedTable()
{
    static const std::map<std::string_view, std::string_view> table = {
        // Companion and toy dogs.
        {"basenji", "primitive size=.35 col=red/white pat=whitechest tail=curl"},
        {"bichonfrise", "toy size=.2 coat=curly col=white ear=pendant tail=plume muzzle=.5 topknot"},
        {"bolognese", "toy size=.2 coat=curly col=white ear=pendant tail=plume muzzle=.5"},
        {"bulldog", "bull col=fawn/white pat=collar"},
        {"cavalierkingcharles", "toy size=.25 coat=long ear=feathered earsize=1.4 col=white/chestnut pat=patches tail=plume muzzle=.45"},
        {"chihuahua", "toy size=.05 ear=bat earsize=1.5 head=1.45 muzzle=.4 col=fawn tail=sickle"},
        {"chihuahua_long", "toy size=.05 coat=long ear=butterfly earsize=1.4 head=1.4 muzzle=.4 col=cream/choc pat=patches tail=plume"},
        {"chinesecresteddog", "toy size=.15 coat=hairless col=pink/grey pat=patches ear=bat leg=1.1 tail=whip tuck=.6"},
        {"continentaltoyspanielpapillon", "toy size=.12 coat=long ear=butterfly earsize=1.6 col=white/red pat=patches tail=plume"},
        {"continentaltoyspanielphalene", "toy size=.12 coat=long ear=feathered earsize=1.4 col=white/black pat=patches tail=plume"},
        {"cotondetulear", "toy size=.22 coat=long col=white ear=pendant tail=plume"},
        {"giantgermanspitz", "spitz size=.5 col=white"},
        {"giantgermanspitzklein", "spitz size=.2 col=orange"},
        {"giantgermanspitzmittel", "spitz size=.32 col=black"},
        {"havanese", "toy size=.22 coat=long col=cream/brown pat=patches ear=pendant tail=plume"},
        {"incahairelessdog", "primitive size=.4 coat=hairless col=grey ear=prick leg=1.3 tail=whip"},
        {"italiangreyhound", "sight size=.2 col=blue/white pat=whitechest"},
        {"japanesechin", "toy size=.15 coat=long col=white/black pat=patches ear=feathered muzzle=.2 tail=plume"},
        {"japanesespitz", "spitz size=.32 col=white earsize=.9"},
        {"keeshond", "spitz size=.45 col=silver/black pat=saddle"},
        {"kingcharlesspaniel", "toy size=.24 coat=long ear=feathered earsize=1.5 col=black/tan pat=tanpoints muzzle=.25 tail=plume"},
        {"kyileo", "toy size=.2 coat=long col=white/black pat=patches ear=drop tail=plume"},
        {"lhasaapso", "toy size=.22 coat=long col=gold/dark pat=darkmuzzle ear=feathered tail=curl muzzle=.4 len=1.1"},
        {"lowchen", "toy size=.2 coat=curly col=cream ear=pendant tail=plume"},
        {"maltese1", "toy size=.15 coat=long col=white ear=feathered tail=plume topknot"},
        {"maltese2", "toy size=.15 coat=long col=white ear=feathered tail=plume muzzle=.55"},
        {"mexicanhaireless", "primitive size=.4 coat=hairless col=dark ear=bat leg=1.25 tail=whip"},
        {"pekingese", "toy size=.15 coat=long col=red/black pat=darkmuzzle muzzle=.12 leg=.6 ear=feathered tail=plume len=1.1"},
        {"pug", "bull size=.2 col=fawn/black pat=darkmuzzle tail=screw ear=button leg=.8 head=1.35"},
        {"pug2_1", "bull size=.2 col=black tail=screw ear=button leg=.8 head=1.35"},
        {"shihtzu1", "toy size=.2 coat=long col=gold/white pat=patches muzzle=.2 ear=feathered tail=curl topknot"},
        {"shihtzu2", "toy size=.2 coat=long col=white/black pat=patches muzzle=.2 ear=feathered tail=curl topknot"},
        {"shihtzu3", "toy size=.2 coat=long col=white/liver pat=patches muzzle=.2 ear=feathered tail=curl"},
        {"tibetanspaniel", "toy size=.2 coat=long col=gold/dark pat=darkmuzzle muzzle=.4 ear=feathered tail=curl"},
        {"tibetanterrier", "toy size=.32 coat=long col=cream/grey pat=patches ear=feathered tail=curl leg=1"},
        {"toyamericaneskimo", "spitz size=.18 col=white"},
        {"toypoodole1", "poodle size=.15 col=apricot"},
        {"toypoodole2", "poodle size=.15 col=white"},
        {"toypoodole3", "poodle size=.15 col=black"},
        {"volpinoitaliano", "spitz size=.22 col=white"},
        {"pomeranian", "spitz size=.05 col=orange head=1.3 muzzle=.5"},
        // Terriers.
        {"affenpinscher", "terrier size=.12 col=black muzzle=.35 ear=prick"},
        {"airedaleterrer", "terrier size=.55 col=tan/black pat=saddle leg=1.2 muzzle=1.4"},
        {"americanpitbullterrier", "staffy size=.45 col=blue/white pat=whitechest ear=rose"},
        {"americanstaffordshireterrier", "staffy size=.45 col=fawn/white pat=whitechest"},
        {"americantoyterrier", "terrier coat=smooth size=.1 col=white/black pat=patches ear=prick tail=stub"},
        {"australiansilkyterrier", "terrier coat=long size=.12 col=tan/blue pat=saddle ear=prick beard=0"},
        {"australianterrier", "terrier size=.2 col=tan/blue pat=saddle ear=prick leg=.75"},
        {"austrianpinscher", "pinscher size=.35 col=gold/white pat=whitechest ear=rose tail=curl"},
        {"bedringtonterrier", "terrier coat=curly size=.35 col=silver muzzle=1.3 head=1 ear=pendant tail=whip tuck=.7 topknot beard=0"},
        {"borderterrier", "terrier size=.25 col=wheat/dark pat=darkmuzzle ear=drop tail=carrot"},
        {"bostonterrier1", "bull size=.2 col=black/white pat=collar ear=bat earsize=1.2 tail=stub leg=1.05 wrinkles=0 jowls=0"},
        {"westhighlandwhiteterrier", "terrier size=.22 col=white ear=prick leg=.75"},
        {"wirefoxterrier", "terrier size=.3 col=white/tan/black pat=tricolour"},
        {"yorkshireterrier", "terrier coat=long size=.08 col=tan/blue pat=saddle ear=prick topknot beard=0"},
        {"ceskyterrier", "terrier size=.25 col=grey/silver pat=tanpoints leg=.6 len=1.3 ear=drop tail=saber"},
        {"dandiedimontterrier", "terrier size=.25 coat=long col=grey/silver leg=.5 len=1.4 ear=pendant topknot tail=saber beard=0"},
        {"englishtoyterrier", "pinscher size=.1 col=black/tan/tan pat=tanpoints ear=bat tail=whip"},
        {"germanhuntingterrier", "terrier coat=wire size=.3 col=black/tan/tan pat=tanpoints ear=drop"},
        {"germanpincher", "pinscher size=.35 col=black/tan/rust pat=tanpoints"},
        {"glenofimaalterrier", "terrier size=.3 col=wheat leg=.55 len=1.3 ear=rose"},
        {"griffonbruxellois1", "pinscher size=.1 col=black/tan/tan pat=tanpoints muzzle=.2 ear=button tail=carrot"},
        {"griffonbruxellois2", "terrier size=.1 col=black muzzle=.2 ear=button"},
        {"griffonbruxellois3", "terrier size=.1 col=red muzzle=.2 ear=button"},
        {"irishterrier", "terrier size=.38 col=red leg=1.15"},
        {"kerryblueterrier", "terrier coat=curly size=.4 col=blue leg=1.15 beard=1"},
        {"kromfohlander1", "terrier coat=smooth size=.3 col=white/tan pat=patches ear=drop tail=sickle beard=0"},
        {"kromfohlander2", "terrier size=.3 col=white/brown pat=patches ear=drop tail=sickle"},
        {"lakelandterrier", "terrier size=.3 col=wheat/black pat=saddle"},
        {"manchesterterrier", "pinscher size=.25 col=black/tan/tan pat=tanpoints ear=button tail=whip"},
        {"miniaturebullterrier3", "bullterrier size=.3 col=white/brindle pat=patches"},
        {"miniaturepinscher", "pinscher size=.1 col=black/tan/rust pat=tanpoints ear=prick earsize=1.2 tail=stub"},
        {"miniatureschnauzer", "schnauzer size=.22 col=silver/dark pat=saddle"},
        {"norfolkterrier", "terrier size=.15 col=red leg=.7 ear=drop"},
        {"norwichterrier", "terrier size=.15 col=wheat leg=.7 ear=prick"},
        {"parsonjackrussellterrier", "terrier coat=smooth size=.28 col=white/tan pat=patches ear=button tail=carrot beard=0"},
        {"patterdaleterrier1", "terrier coat=smooth size=.25 col=black ear=button beard=0"},
        {"scottishterrier3", "terrier size=.22 col=black leg=.5 len=1.2 head=1.15 muzzle=1.3"},
        {"sealyhamterrier", "terrier size=.22 col=white/wheat pat=patches leg=.5 len=1.2 ear=drop"},
        {"skyeterrier1", "terrier coat=long size=.25 col=grey/dark leg=.45 len=1.5 ear=feathered beard=0 tail=plume"},
        {"smoothfoxterrier1", "terrier coat=smooth size=.3 col=white/black/tan pat=tricolour beard=0"},
        {"softcoatedwheatenterrier", "terrier coat=long size=.35 col=wheat ear=drop"},
        {"staffordshirebullterrier", "staffy size=.3 col=brindle/white pat=whitechest"},
        {"welshterrier2", "terrier size=.3 col=tan/black pat=saddle"},
        {"cairnterrier4_1", "terrier size=.18 col=wheat/dark pat=darkmuzzle ear=prick leg=.7"},
        // Gundogs.
        {"americancockerspaniel", "spaniel size=.3 col=cream muzzle=.8 topknot"},
        {"barber", "poodle size=.5 col=brown ear=pendant tail=plume topknot=0 beard"},
        {"braccoitaliano", "pointer size=.7 col=white/orange pat=patches jowls earsize=1.4"},
        {"braquedubourbonnais", "pointer size=.55 col=white/liver pat=ticked tail=stub"},
        {"braquestgermain", "pointer size=.6 col=white/orange pat=patches"},
        {"brittany", "spaniel size=.4 col=white/orange pat=patches tail=stub leg=1.1 coat=smooth"},
        {"chesapeskebayretrever", "retriever coat=wire col=brown beard=0"},
        {"cokerspaniel", "spaniel size=.35 col=gold"},
        {"curlycoatedretriever", "retriever coat=curly col=black"},
        {"czeskyfousek", "pointer coat=wire size=.6 col=liver/white pat=ticked beard"},
        {"dutchpartridgedog", "spaniel size=.5 col=white/brown pat=patches leg=1.15 tail=plume"},
        {"englishsetter", "setter col=white/black pat=ticked"},
        {"englishspringerspaniel", "spaniel size=.45 col=white/liver pat=patches leg=1.1"},
        {"epagenulpicard", "spaniel size=.55 col=grey/brown pat=ticked leg=1.15 tail=plume"},
        {"epagneulbleudepicardie", "spaniel size=.55 col=silver/black pat=ticked leg=1.15 tail=plume"},
        {"epagneulfrancais", "spaniel size=.55 col=white/brown pat=patches leg=1.2 tail=plume"},
        {"epagneulpointaudemer", "spaniel size=.5 col=brown/silver pat=ticked leg=1.15 tail=saber"},
        {"fieldspaniel", "spaniel size=.42 col=liver len=1.15 tail=stub"},
        {"flatcoatedretriever", "retriever coat=long col=black tail=plume"},
        {"germanspaniel", "spaniel size=.45 col=brown len=1.1 tail=plume"},
        {"germanwirehairedpointer", "pointer coat=wire size=.62 col=liver/white pat=ticked beard tail=stub"},
        {"glunberspaniel", "spaniel size=.45 col=white/lemon pat=patches len=1.35 leg=.75 head=1.15"},
        {"goldenretriver3", "retriever coat=long col=gold tail=plume"},
        {"gordonsetter", "setter col=black/tan/tan pat=tanpoints"},
        {"wirehairedvizsla", "pointer coat=wire size=.6 col=rust beard"},
        {"irihsetter", "setter col=red"},
        {"irishredandwhitesetter", "setter col=white/red pat=patches"},
        {"irishwaterspaniel", "poodle size=.5 col=liver tail=whip topknot=1 muzzle=1.2"},
        {"kooikerdog", "spaniel size=.35 col=white/orange pat=patches tail=plume ear=feathered"},
        {"labradorretriever", "retriever col=gold"},
        {"largefrenchpointer", "pointer size=.68 col=white/brown pat=ticked jowls"},
        {"largemunsterlander", "setter size=.6 col=white/black pat=ticked"},
        {"novascotiaducktollingretriever", "retriever coat=fluffy size=.45 col=orange/white pat=whitechest tail=plume"},
        {"olddanishpointer", "pointer size=.6 col=white/liver pat=patches jowls depth=1.15"},
        {"perdiguerodeburgos", "pointer size=.65 col=white/liver pat=ticked jowls earsize=1.4"},
        {"pointer", "pointer size=.62 col=white/black pat=patches"},
        {"poltuguesewaterdog", "poodle size=.45 col=black/white pat=whitechest tail=plume topknot=0"},
        {"smallmunsterlander", "setter size=.45 col=white/brown pat=ticked"},
        {"spinone", "pointer coat=wire size=.7 col=white/orange pat=patches beard earsize=1.3"},
        {"susexspaniel", "spaniel size=.4 col=gold len=1.4 leg=.65"},
        {"stabyhoun", "spaniel size=.5 col=white/black pat=patches coat=smooth leg=1.1 tail=plume"},
        {"weimaraner", "pointer size=.65 col=silver tail=stub nose=grey"},
        {"welshspringerspaniel", "spaniel size=.42 col=white/red pat=patches"},
        // Herding dogs.
        {"bordercollie", "collie size=.5 col=black/white pat=collar"},
        {"bouvierdesflandres", "schnauzer size=.75 col=dark depth=1.2 thick=1.3 tail=stub"},
        {"briard", "shaggy size=.65 col=fawn ear=prick tail=saber leg=1.1"},
        {"cardiganwelshcorgi", "corgi col=blue/black pat=merle tail=bushy"},
        {"catalansheepdog", "shaggy size=.45 col=grey/fawn pat=patches"},
        {"duthshepherddog", "shepherd col=gold/dark pat=brindle"},
        {"finishlaphund", "spitz size=.45 col=black/tan/tan pat=tanpoints"},
        {"germanshepherddog", "shepherd col=tan/black pat=saddle"},
        {"giantschnauzer", "schnauzer size=.7 col=black leg=1.15"},
        {"wetterhoun", "retriever coat=curly size=.55 col=black/white pat=whitechest tail=curl"},
        {"wirehairedpointinggriffon", "pointer coat=wire size=.55 col=grey/brown pat=patches beard"},
        {"hungarianvizsla", "pointer size=.6 col=rust nose=liver"},
        {"german_s_p_2", "pointer size=.62 col=liver/white pat=ticked tail=stub"},
        {"australiankelpie", "shepherd size=.45 col=red coat=smooth tail=bushy"},
        {"australianshepherd", "collie size=.5 col=blue/black pat=merle tail=stub ear=drop"},
        {"australliancattledog", "shepherd coat=smooth size=.45 col=blue/black pat=ticked"},
        {"beardedcollie", "shaggy size=.55 col=grey/white pat=collar ear=drop tail=plume"},
        {"beauceron", "shepherd coat=smooth size=.68 col=black/tan/rust pat=tanpoints"},
        {"bergamasco", "shaggy size=.65 col=grey coat=corded"},
        {"bergerdepicard", "shepherd coat=wire size=.62 col=fawn earsize=1.3"},
        {"groenendael", "shepherd coat=long size=.6 col=black"},
        {"hovawart2", "retriever coat=long size=.65 col=black/tan/gold pat=tanpoints tail=bushy"},
        {"icelanddog", "spitz size=.4 col=gold/white pat=whitechest"},
        {"laekenois", "shepherd coat=wire size=.6 col=fawn/dark pat=darkmuzzle"},
        {"lancashireheeler", "corgi col=black/tan/tan pat=tanpoints ear=prick len=1.3"},
        {"lapinporokoira", "spitz size=.45 col=black/tan/tan pat=tanpoints tail=bushy"},
        {"malinois", "shepherd coat=smooth size=.6 col=fawn/black pat=darkmuzzle"},
        {"oldenglishsheepdog", "shaggy size=.7 col=grey/white pat=collar tail=stub ear=drop"},
        {"pembrokewelshcorgi", "corgi col=red/white pat=collar tail=stub"},
        {"polishlowlandsheepdog", "shaggy size=.45 col=white/grey pat=patches"},
        {"portuguesesheepdog1", "shaggy size=.45 col=fawn/dark pat=darkmuzzle ear=rose"},
        {"puli", "shaggy coat=corded size=.4 col=black"},
        {"pumi2", "terrier coat=curly size=.35 col=grey ear=button tail=curl beard=0 leg=1.1"},
        {"roughcollie", "collie col=sable/white pat=collar"},
        {"sarlooswolfhound", "shepherd size=.7 col=grey/white pat=mask leg=1.2"},
        {"schapendoes", "shaggy size=.45 col=black/white pat=collar tail=plume"},
        {"shetlandsheepdog", "collie size=.3 col=sable/white pat=collar"},
        {"smoothcollie", "collie coat=smooth col=blue/black pat=merle"},
        {"swedishvallhund", "corgi col=grey/dark pat=saddle tail=curl"},
        {"tervuren", "shepherd coat=long size=.6 col=sable/black pat=darkmuzzle"},
        // Hounds.
        {"afghanhound2", "sight coat=long size=.68 col=cream/dark pat=darkmuzzle ear=feathered earsize=1.4 tail=curl topknot"},
        {"americanfoxhound", "scent size=.6 leg=1.2"},
        {"azawakh", "sight size=.6 col=fawn/white pat=whitechest ear=drop leg=1.6"},
        {"bassetartesiannormand", "basset col=white/tan/black pat=tricolour"},
        {"bassetfauvedebretagne", "basset coat=wire col=rust"},
        {"bassethound", "basset col=white/black/tan pat=tricolour earsize=1.6 jowls"},
        {"beagle", "scent size=.35"},
        {"billy", "scent size=.68 col=white/orange pat=patches"},
        {"blackandtancoonhound", "scent size=.65 col=black/tan/tan pat=tanpoints earsize=1.6"},
        {"bloodhound", "scent size=.75 col=rust/black pat=saddle earsize=1.7 jowls wrinkles"},
        {"bluetickcoonhound", "scent size=.6 col=white/dark/tan pat=ticked"},
        {"borzoi2", "sight coat=long size=.75 col=white/gold pat=patches muzzle=1.9 head=.75 tail=plume"},
        {"catahoulaleoparddog", "shepherd coat=smooth size=.6 col=blue/black pat=merle ear=drop tail=saber"},
        {"chiendartois", "scent size=.5 col=white/tan/black pat=tricolour"},
        {"cirnecodelletna", "primitive size=.4 col=tan earsize=1.6 tail=sickle"},
        {"dachshund12", "dachs coat=long col=red ear=feathered tail=plume"},
        {"dachshund17", "dachs coat=wire col=grey/dark pat=darkmuzzle beard"},
        {"dachshund6", "dachs col=black/tan/tan pat=tanpoints"},
        {"dearhound", "sight coat=wire size=.8 col=grey beard=1"},
        {"drever", "basset size=.35 col=tan/white pat=collar leg=.6"},
        {"englishcoonhound", "scent size=.6 col=white/red pat=ticked"},
        {"greyhound", "sight size=.7 col=grey/white pat=brindle"},
        {"grandbassetgriffonvendeen", "basset coat=wire col=white/tan/black pat=tricolour leg=.65"},
        {"grandbluedegascogne", "scent size=.7 col=white/black/tan pat=ticked earsize=1.7 leg=1.2"},
        {"grandgriffonvendeen", "scent coat=wire size=.6 col=fawn/dark pat=saddle"},
        {"griffonnivernais", "scent coat=wire size=.6 col=grey"},
        {"hamiltonstovare", "scent size=.55 col=tan/black/white pat=tricolour"},
        {"harrier", "scent size=.5 col=white/black/tan pat=tricolour"},
        {"hungariangreyhound", "sight size=.7 col=fawn"},
        {"ibizanhound", "primitive size=.6 col=red/white pat=patches earsize=1.7 leg=1.4 tuck=.9 head=.85 muzzle=1.5"},
        {"irishwolfhound", "sight coat=wire size=1 col=grey beard=1 depth=1.2 thick=1.2"},
        {"juralaufhoundsthubert", "scent size=.55 col=rust/black pat=saddle earsize=1.7 jowls"},
        {"juralaufhundbruno", "scent size=.55 col=tan/black pat=saddle earsize=1.6"},
        {"kaidog2", "japanese size=.45 col=black/brindle pat=brindle"},
        {"otterhound", "scent coat=wire size=.72 col=grey/tan pat=patches beard"},
        {"petitbluedegascogne", "scent size=.5 col=white/black/tan pat=ticked earsize=1.6"},
        {"petitgriffonbluedegasscogne", "scent coat=wire size=.4 col=white/black/tan pat=ticked"},
        {"pharaohhound", "primitive size=.55 col=red earsize=1.6 leg=1.35 head=.85 muzzle=1.4 nose=liver tail=whip"},
        {"podengoportuguesomedio", "primitive size=.45 col=fawn earsize=1.5"},
        {"podengoportuguesopequeno", "primitive size=.2 coat=wire col=gold earsize=1.5"},
        {"redbonecoonhound", "scent size=.6 col=red earsize=1.5"},
        {"rhoudesianridback", "pointer size=.7 col=wheat/rust pat=ridge ear=drop tail=saber"},
        {"saluki1", "sight size=.6 col=cream ear=feathered tail=plume"},
        {"sloughi", "sight size=.6 col=sand/dark pat=darkmuzzle ear=drop"},
        {"spanishgreyhound", "sight size=.65 col=brindle/dark pat=brindle"},
        {"treeingwalkercoonhound", "scent size=.6 col=white/black/tan pat=tricolour"},
        {"whippet", "sight size=.42 col=white/fawn pat=patches"},
        // Working, guardian, spitz and Japanese dogs.
        {"americanbulldog", "staffy size=.65 col=white/brindle pat=patches ear=drop"},
        {"oldenglishbulldog", "bull size=.5 col=brindle/white pat=whitechest leg=.85 muzzle=.35"},
        {"chinook", "retriever size=.65 col=tan/dark pat=darkmuzzle ear=drop tail=saber"},
        {"carolinadog", "primitive size=.45 col=gold/white pat=whitechest tail=sickle"},
        {"alaskanmalamute", "sled size=.85 col=grey/white pat=mask tail=curl thick=1.3"},
        {"mastiff", "mastiff col=fawn/black pat=darkmuzzle"},
        {"bullmastiff", "mastiff size=.8 col=red/black pat=darkmuzzle"},
        {"bullterrier3", "bullterrier size=.45 col=white"},
        {"eskimodog2", "sled size=.65 col=white/grey pat=patches"},
        {"newfoundland", "mountain coat=long col=black tail=bushy"},
        {"dogoargentino", "mastiff size=.75 col=white muzzle=.9 ear=drop nose=dark"},
        {"filabrasilero", "mastiff size=.85 col=brindle/black pat=brindle earsize=1.4 wrinkles"},
        {"greenlanddog", "sled size=.7 col=white/black pat=patches"},
        {"norwegianwlkhound", "spitz size=.5 col=silver/dark pat=saddle"},
        {"blacknorwegianwlkhound", "spitz size=.45 col=black coat=smooth"},
        {"lundehund", "spitz size=.25 coat=smooth col=red/white pat=whitechest"},
        {"norwegianbuhund2", "spitz size=.4 coat=smooth col=wheat"},
        {"finnishspitz", "spitz size=.35 col=red coat=smooth"},
        {"karelianbeardog", "spitz size=.5 col=black/white pat=collar coat=smooth"},
        {"sedishelkhound", "spitz size=.6 col=grey/cream pat=mask coat=smooth leg=1.2"},
        {"swedishlapphund", "spitz size=.38 col=black"},
        {"norrbottenspets", "spitz size=.3 coat=smooth col=white/red pat=patches"},
        {"doberman3", "pinscher size=.7 col=black/tan/rust pat=tanpoints leg=1.25 earsize=1.3"},
        {"doberman6", "pinscher size=.7 col=brown/tan/tan pat=tanpoints leg=1.25 earsize=1.3 tail=stub"},
        {"greatdane3", "mastiff size=1 col=fawn/black pat=darkmuzzle leg=1.55 tuck=.5 muzzle=1.2 head=1.1 jowls=0 ear=prick earsize=1.3"},
        {"greatdane4", "mastiff size=1 col=white/black pat=harlequin leg=1.55 tuck=.5 muzzle=1.2 head=1.1 jowls=0 ear=drop"},
        {"standardpoodole", "poodle size=.6 col=white leg=1.35"},
        {"boxer", "boxer col=fawn/black pat=darkmuzzle"},
        {"boxer2", "boxer col=brindle/black pat=brindle"},
        {"eurasier", "spitz size=.55 col=red/dark pat=darkmuzzle"},
        {"leonberger", "mountain size=.95 coat=long col=gold/black pat=darkmuzzle"},
        {"rottweiler", "mastiff size=.75 col=black/tan/rust pat=tanpoints muzzle=.8 jowls=0 tail=stub ear=drop"},
        {"owczarekpodhalanski", "mountain size=.8 col=white coat=fluffy"},
        {"schipperke", "spitz size=.15 col=black tail=stub coat=smooth"},
        {"frenchbulldog", "bull size=.22 col=fawn/black pat=darkmuzzle ear=bat earsize=1.3 tail=stub jowls=0"},
        {"doguedebordeaux", "mastiff size=.85 col=red head=1.55 muzzle=.35 wrinkles"},
        {"pyeneanmountaindog", "mountain size=.95 col=white coat=fluffy"},
        {"komondor", "shaggy coat=corded size=.85 col=white"},
        {"kuvasz", "mountain size=.8 col=white coat=curly"},
        {"mudi", "shepherd coat=curly size=.35 col=blue/black pat=merle"},
        {"appensellmountaindog", "swiss size=.55 coat=smooth tail=curl"},
        {"entebuchmountaindog", "swiss size=.4 coat=smooth tail=stub leg=.8"},
        {"bernesemountaindog", "swiss size=.8 coat=long tail=bushy"},
        {"greatswissmoutaindog", "swiss size=.9 coat=smooth tail=saber"},
        {"stbernard", "mountain size=1 col=white/red pat=patches jowls muzzle=.75 head=1.45"},
        {"dalmatian", "pointer size=.6 col=white/black pat=spots ear=drop tail=saber"},
        {"meremmasheepdog", "mountain size=.8 col=white coat=fluffy"},
        {"neapolitanmastiff", "mastiff size=.95 col=blue wrinkles head=1.5 nose=grey"},
        {"pyreneanmastiff", "mountain size=1 col=white/grey pat=patches jowls"},
        {"spanishmastiff2", "mastiff size=.95 col=fawn/dark pat=darkmuzzle"},
        {"canaandog", "primitive size=.5 col=sand/white pat=whitechest tail=bushy"},
        {"estrelamountaindog", "mountain size=.8 coat=smooth col=fawn/dark pat=darkmuzzle"},
        {"estrelamountaindog2", "mountain size=.8 coat=long col=grey/dark pat=brindle"},
        {"russoeuropeanlaika", "sled size=.55 col=black/white pat=collar"},
        {"eastsiberianlaika", "sled size=.6 col=grey/white pat=mask"},
        {"westsiberianlaika2", "sled size=.55 col=white"},
        {"siberianhusky", "sled size=.55 col=dark/white pat=mask"},
        {"samoyed", "spitz size=.6 col=white"},
        {"chowchow", "spitz size=.55 col=red muzzle=.45 head=1.3 tail=curl nose=blue"},
        {"sharpei", "mastiff size=.45 col=fawn wrinkles head=1.3 muzzle=.6 ear=button tail=curl jowls=0"},
        {"akita4", "japanese size=.75 col=red/white pat=mask thick=1.35 head=1.2 earsize=.8 depth=1.15 muzzle=.8"},
        {"shiba", "japanese size=.3 col=red/white pat=mask"},
        {"tosa", "mastiff size=.85 col=red/black pat=darkmuzzle"},
        {"japaneseterrier", "terrier coat=smooth size=.2 col=white/black pat=patches ear=button beard=0"},
        {"hokkaido", "japanese size=.45 col=white"},
        {"tibetanmastiff", "mountain size=.9 col=black/tan/tan pat=tanpoints coat=fluffy tail=curl"},
        {"canarydog", "mastiff size=.8 col=brindle/dark pat=brindle"},
        {"aidi", "shepherd coat=long size=.55 col=white/tan pat=patches ear=prick"},
        {"newguineasingingdog", "primitive size=.3 col=red/white pat=whitechest tail=bushy"},
    };
    return table;
}

// The build a group of breeds shares.
DogLook Archetype(std::string_view name)
{
    DogLook d;
    if (name == "toy") {
        d.size = .15; d.bodyLength = .9; d.legLength = .85; d.headSize = 1.3; d.muzzleLength = .6;
        d.legThickness = .85; d.ear = Ear::Prick; d.tail = Tail::Sickle;
    } else if (name == "spitz") {
        d.size = .4; d.bodyLength = .85; d.muzzleLength = .75; d.headSize = 1.05; d.ear = Ear::Prick;
        d.tail = Tail::Curl; d.coat = Coat::Fluffy;
    } else if (name == "japanese") {
        d.size = .45; d.bodyLength = .9; d.muzzleLength = .85; d.ear = Ear::Prick; d.tail = Tail::Curl;
        d.coat = Coat::Smooth; d.legThickness = 1.1;
    } else if (name == "sled") {
        d.size = .6; d.bodyLength = .95; d.muzzleLength = .95; d.ear = Ear::Prick; d.tail = Tail::Bushy;
        d.coat = Coat::Fluffy; d.legThickness = 1.15;
    } else if (name == "terrier") {
        d.size = .3; d.bodyLength = .85; d.muzzleLength = 1.15; d.ear = Ear::Button; d.tail = Tail::Carrot;
        d.coat = Coat::Wire; d.beard = true; d.bodyDepth = .95;
    } else if (name == "pinscher") {
        d.size = .4; d.bodyLength = .85; d.muzzleLength = 1.15; d.ear = Ear::Prick; d.tail = Tail::Stub;
        d.legLength = 1.15; d.tuckUp = .45; d.legThickness = .9;
    } else if (name == "schnauzer") {
        d.size = .45; d.bodyLength = .85; d.muzzleLength = 1.05; d.ear = Ear::Button; d.tail = Tail::Stub;
        d.coat = Coat::Wire; d.beard = true; d.legLength = 1.1;
    } else if (name == "staffy" || name == "bullterrier") {
        d.size = .4; d.bodyLength = .9; d.bodyDepth = 1.2; d.legThickness = 1.4; d.headSize = 1.25;
        d.muzzleLength = .8; d.muzzleDepth = 1.25; d.ear = Ear::Rose; d.tail = Tail::Whip;
        if (name == "bullterrier") {
            d.muzzleLength = 1.3; d.ear = Ear::Prick; d.headSize = 1.15;
        }
    } else if (name == "scent") {
        d.size = .5; d.bodyLength = 1.05; d.ear = Ear::Pendant; d.earSize = 1.3; d.tail = Tail::Saber;
        d.pattern = Pattern::Tricolour; d.base = QColor(245, 243, 235); d.second = QColor(38, 34, 34);
        d.third = QColor(196, 128, 62); d.muzzleLength = 1.15;
    } else if (name == "basset") {
        d.size = .45; d.bodyLength = 1.45; d.legLength = .45; d.legThickness = 1.35; d.bodyDepth = 1.15;
        d.ear = Ear::Pendant; d.earSize = 1.5; d.tail = Tail::Saber; d.muzzleLength = 1.1;
    } else if (name == "dachs") {
        d.size = .3; d.bodyLength = 1.65; d.legLength = .38; d.legThickness = 1.2; d.bodyDepth = 1.05;
        d.ear = Ear::Pendant; d.earSize = 1.15; d.tail = Tail::Saber; d.muzzleLength = 1.3; d.headSize = .95;
    } else if (name == "corgi") {
        d.size = .32; d.bodyLength = 1.35; d.legLength = .45; d.legThickness = 1.25; d.ear = Ear::Prick;
        d.earSize = 1.3; d.tail = Tail::Stub; d.coat = Coat::Smooth; d.muzzleLength = .9;
    } else if (name == "sight") {
        d.size = .65; d.bodyLength = 1.0; d.legLength = 1.5; d.bodyDepth = 1.1; d.tuckUp = 1;
        d.headSize = .8; d.muzzleLength = 1.5; d.muzzleDepth = .7; d.neckLength = 1.45; d.legThickness = .7;
        d.ear = Ear::Rose; d.tail = Tail::Whip;
    } else if (name == "primitive") {
        d.size = .45; d.legLength = 1.2; d.tuckUp = .6; d.muzzleLength = 1.1; d.headSize = .9;
        d.ear = Ear::Prick; d.earSize = 1.3; d.tail = Tail::Curl; d.legThickness = .85;
    } else if (name == "pointer") {
        d.size = .6; d.legLength = 1.15; d.muzzleLength = 1.25; d.ear = Ear::Drop; d.earSize = 1.2;
        d.tail = Tail::Saber; d.tuckUp = .45; d.neckLength = 1.15;
    } else if (name == "spaniel") {
        d.size = .4; d.coat = Coat::Long; d.ear = Ear::Feathered; d.earSize = 1.35; d.tail = Tail::Stub;
        d.muzzleLength = .95;
    } else if (name == "setter") {
        d.size = .65; d.legLength = 1.15; d.coat = Coat::Long; d.ear = Ear::Feathered; d.earSize = 1.2;
        d.tail = Tail::Plume; d.muzzleLength = 1.3; d.neckLength = 1.15; d.tuckUp = .35;
    } else if (name == "retriever") {
        d.size = .65; d.bodyDepth = 1.1; d.muzzleLength = 1.1; d.ear = Ear::Drop; d.tail = Tail::Otter;
        d.legThickness = 1.15;
    } else if (name == "shepherd") {
        d.size = .62; d.bodyLength = 1.1; d.muzzleLength = 1.2; d.ear = Ear::Prick; d.earSize = 1.15;
        d.tail = Tail::Bushy; d.coat = Coat::Fluffy;
    } else if (name == "collie") {
        d.size = .55; d.muzzleLength = 1.4; d.headSize = .95; d.ear = Ear::Button; d.tail = Tail::Bushy;
        d.coat = Coat::Fluffy;
    } else if (name == "shaggy") {
        d.size = .55; d.coat = Coat::Long; d.ear = Ear::Drop; d.tail = Tail::Plume; d.muzzleLength = .85;
        d.beard = true;
    } else if (name == "mastiff") {
        d.size = .9; d.bodyDepth = 1.3; d.legThickness = 1.55; d.headSize = 1.35; d.muzzleLength = .55;
        d.muzzleDepth = 1.4; d.jowls = true; d.ear = Ear::Drop; d.tail = Tail::Saber;
    } else if (name == "boxer") {
        d.size = .6; d.legLength = 1.15; d.bodyDepth = 1.15; d.headSize = 1.2; d.muzzleLength = .35;
        d.muzzleDepth = 1.35; d.jowls = true; d.ear = Ear::Drop; d.tail = Tail::Stub; d.tuckUp = .45;
    } else if (name == "bull") {
        d.size = .45; d.bodyLength = .85; d.legLength = .6; d.legThickness = 1.5; d.bodyDepth = 1.3;
        d.headSize = 1.25; d.muzzleLength = .18; d.muzzleDepth = 1.1; d.ear = Ear::Rose; d.tail = Tail::Screw;
        d.neckLength = .5;
        d.wrinkles = true; d.jowls = true;
    } else if (name == "mountain") {
        d.size = .85; d.bodyDepth = 1.2; d.legThickness = 1.35; d.headSize = 1.2; d.muzzleLength = .9;
        d.muzzleDepth = 1.15; d.coat = Coat::Fluffy; d.ear = Ear::Drop; d.tail = Tail::Bushy;
    } else if (name == "swiss") {
        d.size = .7; d.bodyDepth = 1.15; d.legThickness = 1.3; d.headSize = 1.1; d.muzzleLength = .95;
        d.ear = Ear::Drop; d.tail = Tail::Bushy; d.pattern = Pattern::Swiss; d.base = QColor(38, 34, 34);
        d.second = QColor(245, 243, 235); d.third = QColor(176, 96, 42);
    } else if (name == "poodle") {
        d.size = .35; d.coat = Coat::Curly; d.ear = Ear::Pendant; d.earSize = 1.2; d.tail = Tail::Carrot;
        d.topknot = true; d.legLength = 1.2; d.muzzleLength = 1.2; d.tuckUp = .4;
    }
    return d;
}

QColor NamedColour(std::string_view name)
{
    static const std::map<std::string_view, QColor> colours = {
        {"white", {245, 243, 235}}, {"cream", {238, 222, 185}}, {"fawn", {214, 172, 112}},
        {"wheat", {226, 196, 138}}, {"gold", {214, 156, 66}},   {"apricot", {230, 164, 104}},
        {"orange", {222, 128, 48}}, {"red", {184, 92, 44}},     {"rust", {166, 82, 38}},
        {"tan", {196, 128, 62}},    {"sable", {168, 112, 58}},  {"brown", {124, 76, 42}},
        {"liver", {112, 58, 40}},   {"chestnut", {150, 70, 36}}, {"choc", {92, 56, 36}},
        {"black", {38, 34, 34}},    {"dark", {62, 52, 48}},     {"grey", {142, 140, 138}},
        {"blue", {108, 118, 134}},  {"silver", {192, 192, 196}}, {"sand", {220, 186, 132}},
        {"lemon", {236, 200, 110}}, {"pink", {232, 180, 168}},  {"brindle", {150, 104, 58}},
    };
    auto it = colours.find(name);
    return it != colours.end() ? it->second : QColor(190, 140, 80);
}

void Apply(DogLook& d, std::string_view key, std::string_view value)
{
    const std::string v(value);
    auto number = [&] { return std::stod(v); };
    auto flag = [&] { return value.empty() || value != "0"; };
    if (key == "size") d.size = number();
    else if (key == "len") d.bodyLength = number();
    else if (key == "leg") d.legLength = number();
    else if (key == "depth") d.bodyDepth = number();
    else if (key == "thick") d.legThickness = number();
    else if (key == "head") d.headSize = number();
    else if (key == "muzzle") d.muzzleLength = number();
    else if (key == "mdepth") d.muzzleDepth = number();
    else if (key == "neck") d.neckLength = number();
    else if (key == "tuck") d.tuckUp = number();
    else if (key == "earsize") d.earSize = number();
    else if (key == "beard") d.beard = flag();
    else if (key == "jowls") d.jowls = flag();
    else if (key == "wrinkles") d.wrinkles = flag();
    else if (key == "topknot") d.topknot = flag();
    else if (key == "nose") d.nose = NamedColour(value);
    else if (key == "col") {
        const auto parts = Words(value, '/');
        if (parts.size() > 0) d.base = NamedColour(parts[0]);
        if (parts.size() > 1) d.second = NamedColour(parts[1]);
        d.third = parts.size() > 2 ? NamedColour(parts[2]) : NamedColour("tan");
    } else if (key == "ear") {
        static const std::map<std::string_view, Ear> ears = {
            {"prick", Ear::Prick}, {"bat", Ear::Bat}, {"button", Ear::Button}, {"drop", Ear::Drop},
            {"pendant", Ear::Pendant}, {"feathered", Ear::Feathered}, {"rose", Ear::Rose},
            {"butterfly", Ear::Butterfly}};
        if (auto it = ears.find(value); it != ears.end()) d.ear = it->second;
    } else if (key == "tail") {
        static const std::map<std::string_view, Tail> tails = {
            {"curl", Tail::Curl}, {"sickle", Tail::Sickle}, {"saber", Tail::Saber}, {"whip", Tail::Whip},
            {"otter", Tail::Otter}, {"plume", Tail::Plume}, {"stub", Tail::Stub}, {"carrot", Tail::Carrot},
            {"bushy", Tail::Bushy}, {"screw", Tail::Screw}};
        if (auto it = tails.find(value); it != tails.end()) d.tail = it->second;
    } else if (key == "coat") {
        static const std::map<std::string_view, Coat> coats = {
            {"smooth", Coat::Smooth}, {"fluffy", Coat::Fluffy}, {"long", Coat::Long}, {"curly", Coat::Curly},
            {"wire", Coat::Wire}, {"corded", Coat::Corded}, {"hairless", Coat::Hairless}};
        if (auto it = coats.find(value); it != coats.end()) d.coat = it->second;
    } else if (key == "pat") {
        static const std::map<std::string_view, Pattern> patterns = {
            {"solid", Pattern::Solid}, {"spots", Pattern::Spots}, {"ticked", Pattern::Ticked},
            {"patches", Pattern::Patches}, {"harlequin", Pattern::Harlequin}, {"saddle", Pattern::Saddle},
            {"tricolour", Pattern::Tricolour}, {"tanpoints", Pattern::TanPoints}, {"mask", Pattern::Mask},
            {"darkmuzzle", Pattern::DarkMuzzle}, {"whitechest", Pattern::WhiteChest},
            {"brindle", Pattern::Brindle}, {"merle", Pattern::Merle}, {"collar", Pattern::Collar},
            {"swiss", Pattern::Swiss}, {"ridge", Pattern::Ridge}};
        if (auto it = patterns.find(value); it != patterns.end()) d.pattern = it->second;
    }
}

DogLook FromTraits(std::string_view traits)
{
    const auto words = Words(traits, ' ');
    DogLook d = Archetype(words.empty() ? std::string_view() : words[0]);
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::size_t eq = words[i].find('=');
        if (eq == std::string_view::npos)
            Apply(d, words[i], {});
        else
            Apply(d, words[i].substr(0, eq), words[i].substr(eq + 1));
    }
    return d;
}

// A small fixed-seed generator: the same picture name always gives the same dog.
class Seeded {
public:
    explicit Seeded(std::string_view text)
    {
        for (char c : text)
            m_state = (m_state ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
        next();
    }
    std::uint64_t next()
    {
        m_state += 0x9e3779b97f4a7c15ull;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    template <typename T> const T& pick(const std::vector<T>& items) { return items[next() % items.size()]; }

private:
    std::uint64_t m_state = 0xcbf29ce484222325ull;
};

std::string_view Stem(std::string_view picName)
{
    if (picName.size() > 4 && picName.substr(picName.size() - 4) == ".gif")
        picName.remove_suffix(4);
    return picName;
}

// For breeds not in the table: the group is read from the words in the name,
// the colours and pattern are drawn from what is usual in that group.
std::string GuessTraits(std::string_view stem, Seeded& rng)
{
    const std::string s(stem);
    auto has = [&](const char* word) { return s.find(word) != std::string::npos; };
    std::string group = "scent";
    std::vector<std::string> colours = {"white/black/tan pat=tricolour", "tan/black pat=saddle", "white/orange pat=patches",
                                        "red", "white/black pat=ticked", "black/tan/tan pat=tanpoints"};
    if (has("greyhound") || has("whippet") || has("saluki") || has("sloughi") || has("lurcher")) {
        group = "sight";
        colours = {"fawn", "grey/white pat=whitechest", "brindle/dark pat=brindle", "cream"};
    } else if (has("terrier") || has("pinscher")) {
        group = "terrier";
        colours = {"white/tan pat=patches", "tan/black pat=saddle", "wheat", "black/tan/tan pat=tanpoints"};
    } else if (has("spaniel") || has("epagneul")) {
        group = "spaniel";
        colours = {"white/liver pat=patches", "white/orange pat=ticked", "gold", "liver"};
    } else if (has("pointer") || has("braque") || has("bracco") || has("pointing")) {
        group = "pointer";
        colours = {"white/liver pat=ticked", "white/orange pat=patches", "liver", "white/black pat=patches"};
    } else if (has("setter")) {
        group = "setter";
        colours = {"white/orange pat=ticked", "red", "white/black pat=ticked"};
    } else if (has("retriever") || has("retrever")) {
        group = "retriever";
        colours = {"black", "gold", "brown"};
    } else if (has("sheep") || has("shepherd") || has("collie") || has("cattle") || has("heeler")) {
        group = "shepherd";
        colours = {"tan/black pat=saddle", "grey/white pat=collar", "fawn/dark pat=darkmuzzle", "black/white pat=collar",
                   "blue/black pat=merle"};
    } else if (has("mastiff") || has("dogue") || has("presa") || has("rafer")) {
        group = "mastiff";
        colours = {"fawn/black pat=darkmuzzle", "brindle/dark pat=brindle", "red/black pat=darkmuzzle", "wheat/white pat=whitechest"};
    } else if (has("bulldog")) {
        group = "staffy";
        colours = {"white/brindle pat=patches", "fawn/white pat=whitechest"};
    } else if (has("spitz") || has("spets") || has("laika") || has("elkhound") || has("lapp") || has("buhund")) {
        group = "spitz";
        colours = {"red", "grey/cream pat=mask", "black/white pat=collar", "white"};
    } else if (has("mountain") && !has("hound")) {
        group = "mountain";
        colours = {"white", "fawn/dark pat=darkmuzzle", "white/grey pat=patches"};
    } else if (has("hound") || has("laufhund") || has("stovare") || has("gascogne") || has("griffon") || has("hund")) {
        group = "scent";
    }
    std::string traits = group + " col=" + rng.pick(colours);
    if (has("griffon") || has("wire"))
        traits += " coat=wire beard";
    if (has("basset"))
        traits += " leg=.5 len=1.4";
    if (has("petit") || has("small") || has("miniature") || has("pequeno"))
        traits += " size=.3";
    if (has("grand") || has("large") || has("giant") || has("great"))
        traits += " size=.8";
    return traits;
}

} // namespace

DogLook LookForPicture(std::string_view picName)
{
    const std::string_view stem = Stem(picName);
    Seeded rng(stem);
    const auto& table = BreedTable();
    const auto it = table.find(stem);
    DogLook d = it != table.end() ? FromTraits(it->second) : FromTraits(GuessTraits(stem, rng));
    // No two dogs are quite alike: a little seeded variation in build.
    d.bodyLength *= rng.range(0.95, 1.05);
    d.legLength *= rng.range(0.95, 1.05);
    d.muzzleLength *= rng.range(0.94, 1.06);
    d.earSize *= rng.range(0.92, 1.08);
    return d;
}

DogPose PoseForPicture(std::string_view picName)
{
    Seeded rng(std::string(Stem(picName)) + "#pose");
    DogPose p;
    p.facingLeft = rng.unit() < 0.3;
    p.headTilt = rng.range(-6, 10);
    p.tongueOut = rng.unit() < 0.45;
    p.pawUp = rng.unit() < 0.2;
    p.tailLift = rng.range(-0.6, 1.0);
    p.backdrop = static_cast<int>(rng.next() % 6);
    return p;
}

} // namespace artgen
