// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing/DogTable.h"

namespace kibbo {

// Every dog the player can meet, in the order the next-dog index walks them.
// Repeats are deliberate: a breed listed twice is met twice as often.
const std::array<DogEntry, kDogCount> dogTable = {{
    {u"バセンジー", u"ばせんじー", "basenji.gif"},  // 0
    {u"ビション フリーゼ", u"びしょんふりーぜ", "bichonfrise.gif"},  // 1
    {u"ボロネーズ", u"ぼろねーず", "bolognese.gif"},  // 2
    {u"ブルドッグ", u"ぶるどっぐ", "bulldog.gif"},  // 3
    {u"キャバリア キング チャールズ スパニエル", u"きゃばりあきんぐちゃーるずすぱにえる", "cavalierkingcharles.gif"},  // 4
    {u"チワワ", u"ちわわ", "chihuahua.gif"},  // 5
    {u"ロングコート チワワ", u"ろんぐこーとちわわ", "chihuahua_long.gif"},  // 6
    {u"チャイニーズ クレステッド ドッグ", u"ちゃいにーずくれすてっどどっぐ", "chinesecresteddog.gif"},  // 7
    {u"コンチネンタル トイ スパニエル パピヨン", u"こんちねんたるといすぱにえるぱぴよん", "continentaltoyspanielpapillon.gif"},  // 8
    {u"コンチネンタル トイ スパニエル ファレン", u"こんちねんたるといすぱにえるふぁれん", "continentaltoyspanielphalene.gif"},  // 9
    {u"コトン　デ　チュレアール", u"ことんでちゅれあーる", "cotondetulear.gif"},  // 10
    {u"ジャイアント　ジャーマン　スピッツ", u"じゃいあんとじゃーまんすぴっつ", "giantgermanspitz.gif"},  // 11
    {u"ジャーマン　スピッツ　クライン", u"じゃーまんすぴっつくらいん", "giantgermanspitzklein.gif"},  // 12
    {u"ジャーマン　スピッツ　ミッテル", u"じゃーまんすぴっつみってる", "giantgermanspitzmittel.gif"},  // 13
    {u"ハバネーズ", u"はばねーず", "havanese.gif"},  // 14
    {u"インカ　ヘアレスドッグ", u"いんかへあれすどっぐ", "incahairelessdog.gif"},  // 15
    {u"イタリアン　グレーハウンド", u"いたりあんぐれーはうんど", "italiangreyhound.gif"},  // 16
    {u"ジャパニーズ　チン", u"じゃぱにーずちん", "japanesechin.gif"},  // 17
    {u"ジャパニーズ　スピッツ", u"じゃぱにーずすぴっつ", "japanesespitz.gif"},  // 18
    {u"キースホンド", u"きーすほんど", "keeshond.gif"},  // 19
    {u"キングチャールズ　スパニエル", u"きんぐちゃーるずすぱにえる", "kingcharlesspaniel.gif"},  // 20
    {u"キー　レオ", u"きーれお", "kyileo.gif"},  // 21
    {u"ラサ　アプソ", u"らさあぷそ", "lhasaapso.gif"},  // 22
    {u"ローシェン", u"ろーしぇん", "lowchen.gif"},  // 23
    {u"マルチーズ", u"まるちーず", "maltese1.gif"},  // 24
    {u"マルチーズ", u"まるちーず", "maltese2.gif"},  // 25
    {u"メキシカン　ヘアレス", u"めきしかんへあれす", "mexicanhaireless.gif"},  // 26
    {u"ペキニーズ", u"ぺきにーず", "pekingese.gif"},  // 27
    {u"パグ", u"ぱぐ", "pug.gif"},  // 28
    {u"黒パグ", u"くろぱぐ", "pug2_1.gif"},  // 29
    {u"シーズー", u"しーずー", "shihtzu1.gif"},  // 30
    {u"シーズー", u"しーずー", "shihtzu2.gif"},  // 31
    {u"シーズー", u"しーずー", "shihtzu3.gif"},  // 32
    {u"チベタン　スパニエル", u"ちべたんすぱにえる", "tibetanspaniel.gif"},  // 33
    {u"チベタン　テリア", u"ちべたんてりあ", "tibetanterrier.gif"},  // 34
    {u"トイ　アメリカン　エスキモー", u"といあめりかんえすきもー", "toyamericaneskimo.gif"},  // 35
    {u"プードル", u"ぷーどる", "toypoodole1.gif"},  // 36
    {u"プードル", u"ぷーどる", "toypoodole2.gif"},  // 37
    {u"プードル", u"ぷーどる", "toypoodole3.gif"},  // 38
    {u"ボルビノ　イタリアーノ", u"ぼるびのいたりあーの", "volpinoitaliano.gif"},  // 39
    {u"ポメラニアン", u"ぽめらにあん", "pomeranian.gif"},  // 40
    {u"アーフェン　ピンシャー", u"あーふぇんぴんしゃー", "affenpinscher.gif"},  // 41
    {u"エアデール　テリア", u"えあでーるてりあ", "airedaleterrer.gif"},  // 42
    {u"ブルドッグ", u"ぶるどっぐ", "bulldog.gif"},  // 43
    {u"キャバリア キング チャールズ スパニエル", u"きゃばりあきんぐちゃーるずすぱにえる", "cavalierkingcharles.gif"},  // 44
    {u"アメリカン　ピット　ブルテリア", u"あめりかんぴっとぶるてりあ", "americanpitbullterrier.gif"},  // 45
    {u"アメリカン　スタッフォードシャー　テリア", u"あめりかんすたっふぉーどしゃーてりあ", "americanstaffordshireterrier.gif"},  // 46
    {u"アメリカン　トイ　テリア", u"あめりかんといてりあ", "americantoyterrier.gif"},  // 47
    {u"オーストラリアン　シルキー　テリア", u"おーすとらりあんしるきーてりあ", "australiansilkyterrier.gif"},  // 48
    {u"オーストラリアン　テリア", u"おーすとらりあんてりあ", "australianterrier.gif"},  // 49
    {u"オーストラリアン　ピンシャー", u"おーすとらりあんぴんしゃー", "austrianpinscher.gif"},  // 50
    {u"ベドリントンテリア", u"べどりんとんてりあ", "bedringtonterrier.gif"},  // 51
    {u"ボーダーテリア", u"ぼーだーてりあ", "borderterrier.gif"},  // 52
    {u"ボストンテリア", u"ぼすとんてりあ", "bostonterrier1.gif"},  // 53
    {u"ウエスト　ハイランド　ホワイト　テリア", u"うえすとはいらんどほわいとてりあ", "westhighlandwhiteterrier.gif"},  // 54
    {u"ワイヤーフォックス　テリア", u"わいやーふぉっくすてりあ", "wirefoxterrier.gif"},  // 55
    {u"ヨークシャテリア", u"よーくしゃてりあ", "yorkshireterrier.gif"},  // 56
    {u"シェスキーテリア", u"しぇすきーてりあ", "ceskyterrier.gif"},  // 57
    {u"ダンディー　ディモント　テリア", u"だんでぃーでぃもんとてりあ", "dandiedimontterrier.gif"},  // 58
    {u"イングリッシュ　トイ　テリア", u"いんぐりっしゅといてりあ", "englishtoyterrier.gif"},  // 59
    {u"ジャーマン　ハンティング　テリア", u"じゃーまんはんてぃんぐてりあ", "germanhuntingterrier.gif"},  // 60
    {u"ジャーマンピンシャー", u"じゃーまんぴんしゃー", "germanpincher.gif"},  // 61
    {u"グレン　オブ　イマール　テリア", u"ぐれんおぶいまーるてりあ", "glenofimaalterrier.gif"},  // 62
    {u"プチ　ブラバンソン", u"ぷちぶらばんそん", "griffonbruxellois1.gif"},  // 63
    {u"ベルギー　グリフォン", u"べるぎーぐりふぉん", "griffonbruxellois2.gif"},  // 64
    {u"ブリュッセル　グリフォン", u"ぶりゅっせるぐりふぉん", "griffonbruxellois3.gif"},  // 65
    {u"アイリッシュテリア", u"あいりっしゅてりあ", "irishterrier.gif"},  // 66
    {u"ケリー　ブルー　テリア", u"けりーぶるーてりあ", "kerryblueterrier.gif"},  // 67
    {u"クロムフォルレンダー", u"くろむふぉるれんだー", "kromfohlander1.gif"},  // 68
    {u"ワイヤーヘアード　クロムフォルレンダー", u"わいやーへあーどくろむふぉるれんだー", "kromfohlander2.gif"},  // 69
    {u"レークランド　テリア", u"れーくらんどてりあ", "lakelandterrier.gif"},  // 70
    {u"マンチェスター　テリア", u"まんちぇすたーてりあ", "manchesterterrier.gif"},  // 71
    {u"ミニチュア　ブルテリア", u"みにちゅあぶるてりあ", "miniaturebullterrier3.gif"},  // 72
    {u"ミニチュア　ピンシャー", u"みにちゅあぴんしゃー", "miniaturepinscher.gif"},  // 73
    {u"ミニチュア　シュナウザー", u"みにちゅあしゅなうざー", "miniatureschnauzer.gif"},  // 74
    {u"ノーフォーク　テリア", u"のーふぉーくてりあ", "norfolkterrier.gif"},  // 75
    {u"ノーリッチ　テリア", u"のーりっちてりあ", "norwichterrier.gif"},  // 76
    {u"パーソン　ジャックラッセル　テリア", u"ぱーそんじゃっくらっせるてりあ", "parsonjackrussellterrier.gif"},  // 77
    {u"パタテールテリア", u"ぱたてーるてりあ", "patterdaleterrier1.gif"},  // 78
    {u"スコティッシュテリア", u"すこてぃっしゅてりあ", "scottishterrier3.gif"},  // 79
    {u"シーリハム　テリア", u"しーりはむてりあ", "sealyhamterrier.gif"},  // 80
    {u"スカイテリア", u"すかいてりあ", "skyeterrier1.gif"},  // 81
    {u"スムースフォックステリア", u"すむーすふぉっくすてりあ", "smoothfoxterrier1.gif"},  // 82
    {u"ソフトコーテッド　ウィートンテリア", u"そふとこーてっどうぃーとんてりあ", "softcoatedwheatenterrier.gif"},  // 83
    {u"スタッフォードシャー　ブルテリア", u"すたっふぉーどしゃーぶるてりあ", "staffordshirebullterrier.gif"},  // 84
    {u"ウェルシュ　テリア", u"うぇるしゅてりあ", "welshterrier2.gif"},  // 85
    {u"ケアーン　テリア", u"けあーんてりあ", "cairnterrier4_1.gif"},  // 86
    {u"アメリカン　コッカー　スパニエル", u"あめりかんこっかーすぱにえる", "americancockerspaniel.gif"},  // 87
    {u"オーヴェルニュ　ポインター", u"おーヴぇるにゅぽいんたー", "continentaltoyspanielpapillon.gif"},  // 88
    {u"バルビー", u"ばるびー", "barber.gif"},  // 89
    {u"ブラッコ　イタリアーノ", u"ぶらっこいたりあーの", "braccoitaliano.gif"},  // 90
    {u"ブラク　ヂュ　ブルボネ", u"ぶらくぢゅぶるぼね", "braquedubourbonnais.gif"},  // 91
    {u"ブラク　サン　ジェルマン", u"ぶらくさんじぇるまん", "braquestgermain.gif"},  // 92
    {u"ブリタニー　スパニエル", u"ぶりたにーすぱにえる", "brittany.gif"},  // 93
    {u"チェサピーク　ベイ　レトリバー", u"ちぇさぴーくべいれとりばー", "chesapeskebayretrever.gif"},  // 94
    {u"コッカースパニエル", u"こっかーすぱにえる", "cokerspaniel.gif"},  // 95
    {u"カーリー　コーテッド　レトリバー", u"かーりーこーてっどれとりばー", "curlycoatedretriever.gif"},  // 96
    {u"チェスキー　フォーセク", u"ちぇすきーふぉーせく", "czeskyfousek.gif"},  // 97
    {u"ダッチ　パートリッジ　ドッグ", u"だっちぱーとりっじどっぐ", "dutchpartridgedog.gif"},  // 98
    {u"イングリッシュ　セッター", u"いんぐりっしゅせったー", "englishsetter.gif"},  // 99
    {u"イングリッシュ　スプリンガー　スパニエル", u"いんぐりっしゅすぷりんがーすぱにえる", "englishspringerspaniel.gif"},  // 100
    {u"エパニュール　ピカール", u"えぱにゅーるぴかーる", "epagenulpicard.gif"},  // 101
    {u"エパニュール　ブルード　ピカルディ", u"えぱにゅーるぶるーどぴかるでぃ", "epagneulbleudepicardie.gif"},  // 102
    {u"エパニュール　フランセ", u"えぱにゅーるふらんせ", "epagneulfrancais.gif"},  // 103
    {u"エパニュール　デュボン　オードメル", u"えぱにゅーるでゅぽんおーどめる", "epagneulpointaudemer.gif"},  // 104
    {u"フィールド　スパニエル", u"ふぃーるどすぱにえる", "fieldspaniel.gif"},  // 105
    {u"フラット　コーテッド　レトリバー", u"ふらっとこーてっどれとりばー", "flatcoatedretriever.gif"},  // 106
    {u"ジャーマン　スパニエル", u"じゃーまんすぱにえる", "germanspaniel.gif"},  // 107
    {u"ジャーマン　ワイヤーヘヤード　ポインター", u"じゃーまんわいやーへやーどぽいんたー", "germanwirehairedpointer.gif"},  // 108
    {u"グランバー　スパニエル", u"ぐらんばーすぱにえる", "glunberspaniel.gif"},  // 109
    {u"ゴールデン　レトリバー", u"ごーるでんれとりばー", "goldenretriver3.gif"},  // 110
    {u"ゴードンセッター", u"ごーどんせったー", "gordonsetter.gif"},  // 111
    {u"ワイヤーヘヤード　ビズラ", u"わいやーへやーどびずら", "wirehairedvizsla.gif"},  // 112
    {u"アイリッシュ　セッター", u"あいりっしゅせったー", "irihsetter.gif"},  // 113
    {u"アイリッシュ　レッドアンドホワイト　セッター", u"あいりっしゅれっどあんどほわいとせったー", "irishredandwhitesetter.gif"},  // 114
    {u"アイリッシュ　ウォーター　スパニエル", u"あいりっしゅうぉーたーすぱにえる", "irishwaterspaniel.gif"},  // 115
    {u"コイケルホンド", u"こいけるほんど", "kooikerdog.gif"},  // 116
    {u"ラブラドール　レトリバー", u"らぶらどーるれとりばー", "labradorretriever.gif"},  // 117
    {u"ラージ　フレンチ　ポインター", u"らーじふれんちぽいんたー", "largefrenchpointer.gif"},  // 118
    {u"ラージ　ミュンスター　レンダー", u"らーじみゅんすたーれんだー", "largemunsterlander.gif"},  // 119
    {u"ノヴァスコティア　ダックトーリング　レトリバー", u"のヴぁすこてぃあだっくとーりんぐれとりばー", "novascotiaducktollingretriever.gif"},  // 120
    {u"オールド　ダニッシュ　ポインター", u"おーるどだにっしゅぽいんたー", "olddanishpointer.gif"},  // 121
    {u"ペルディゲイロ　ボルトュゲス", u"ぺるでぃげいろぼるとゅげす", "perdiguerodeburgos.gif"},  // 122
    {u"ポインター", u"ぽいんたー", "pointer.gif"},  // 123
    {u"ポルトガル　ウォーター　ドッグ", u"ぽるとがるうぉーたーどっぐ", "poltuguesewaterdog.gif"},  // 124
    {u"スモール　ミュンスター　レンダー", u"すもーるみゅんすたーれんだー", "smallmunsterlander.gif"},  // 125
    {u"スピノーネ", u"すぴのーね", "spinone.gif"},  // 126
    {u"サセックス　スパニエル", u"させっくすすぱにえる", "susexspaniel.gif"},  // 127
    {u"シュタバイフーン", u"しゅたばいふーん", "stabyhoun.gif"},  // 128
    {u"ワイマラナー", u"わいまらなー", "weimaraner.gif"},  // 129
    {u"ウェルッシュ　スプリンガー　スパニエル", u"うぇるっしゅすぷりんがーすぱにえる", "welshspringerspaniel.gif"},  // 130
    {u"ボーダーコリー", u"ぼーだーこりー", "bordercollie.gif"},  // 131
    {u"ブービエ　デ　フランダース", u"ぶーびえでふらんだーす", "bouvierdesflandres.gif"},  // 132
    {u"ブリアード", u"ぶりあーど", "briard.gif"},  // 133
    {u"ウェルシュコーギー　カーディガン", u"うぇるしゅこーぎーかーでぃがん", "cardiganwelshcorgi.gif"},  // 134
    {u"カタロニアン　シープドッグ", u"かたろにあんしーぷどっぐ", "catalansheepdog.gif"},  // 135
    {u"ダッチ　シープドッグ", u"だっちしーぷどっぐ", "duthshepherddog.gif"},  // 136
    {u"フィニッシュ　ラップドッグ", u"ふぃにっしゅらっぷどっぐ", "finishlaphund.gif"},  // 137
    {u"ジャーマン　シェパード　ドッグ", u"じゃーまんしぇぱーどどっぐ", "germanshepherddog.gif"},  // 138
    {u"ジャイアント　シュナウザー", u"じゃいあんとしゅなうざー", "giantschnauzer.gif"},  // 139
    {u"ヴェッターフーン", u"ヴぇったーふーん", "wetterhoun.gif"},  // 140
    {u"ワイヤーヘヤード　ポインティング　グリフォン", u"わいやーへやーどぽいんてぃんぐぐりふぉん", "wirehairedpointinggriffon.gif"},  // 141
    {u"ハンガリアン　ビズラ", u"はんがりあんびずら", "hungarianvizsla.gif"},  // 142
    {u"ジャーマン　ショートヘヤード　ポインター", u"じゃーまんしょーとへやーどぽいんたー", "german_s_p_2.gif"},  // 143
    {u"オーストラリアン　ケルピー", u"おーすとらりあんけるぴー", "australiankelpie.gif"},  // 144
    {u"オーストラリアン　シェパード", u"おーすとらりあんしぇぱーど", "australianshepherd.gif"},  // 145
    {u"オーストラリアン　キャトルドッグ", u"おーすとらりあんきゃとるどっぐ", "australliancattledog.gif"},  // 146
    {u"ベアデッドコリー", u"べあでっどこりー", "beardedcollie.gif"},  // 147
    {u"ボースロン", u"ぼーすろん", "beauceron.gif"},  // 148
    {u"ベルガマスコ", u"べるがますこ", "bergamasco.gif"},  // 149
    {u"ベルジュド　ピカール", u"べるじゅどぴかーる", "bergerdepicard.gif"},  // 150
    {u"グロー　ネンダール", u"ぐろーねんだーる", "groenendael.gif"},  // 151
    {u"ホフヴァルト", u"ほふヴぁると", "hovawart2.gif"},  // 152
    {u"アイスランド　シープドッグ", u"あいすらんどしーぷどっぐ", "icelanddog.gif"},  // 153
    {u"サルプナニナッツ", u"さるぷなになっつ", "iiiyiansheepdog.gif"},  // 154
    {u"カルスト　シープドッグ", u"かるすとしーぷどっぐ", "istriansheepdog.gif"},  // 155
    {u"ラケノア", u"らけのあ", "laekenois.gif"},  // 156
    {u"ランカシャー　ヒーラー", u"らんかしゃーひーらー", "lancashireheeler.gif"},  // 157
    {u"ラピンポロコイラ", u"らぴんぽろこいら", "lapinporokoira.gif"},  // 158
    {u"マリノア", u"まりのあ", "malinois.gif"},  // 159
    {u"オールド　イングリッシュ　シープドッグ", u"おーるどいんぐりっしゅしーぷどっぐ", "oldenglishsheepdog.gif"},  // 160
    {u"ウェルシュコーギー　ペンブローク", u"うぇるしゅこーぎーぺんぶろーく", "pembrokewelshcorgi.gif"},  // 161
    {u"グレン　オブ　イマール　テリア", u"ぐれんおぶいまーるてりあ", "glenofimaalterrier.gif"},  // 162
    {u"ポーリッシュ　ローランド　シープドッグ", u"ぽーりっしゅろーらんどしーぷどっぐ", "polishlowlandsheepdog.gif"},  // 163
    {u"ポルトガル　シープドッグ", u"ぽるとがるしーぷどっぐ", "portuguesesheepdog1.gif"},  // 164
    {u"プーリー", u"ぷーりー", "puli.gif"},  // 165
    {u"プーミー", u"ぷーみー", "pumi2.gif"},  // 166
    {u"ラフ　コリー", u"らふこりー", "roughcollie.gif"},  // 167
    {u"サーロス　ウルフドッグ", u"さーろすうるふどっぐ", "sarlooswolfhound.gif"},  // 168
    {u"スファペンドゥス", u"すふぁぺんどぅす", "schapendoes.gif"},  // 169
    {u"シェトランドシープドッグ", u"しぇとらんどしーぷどっぐ", "shetlandsheepdog.gif"},  // 170
    {u"スムース　コリー", u"すむーすこりー", "smoothcollie.gif"},  // 171
    {u"スウィーディッシュヴァルハウンド", u"すうぃーでぃっしゅヴぁるはうんど", "swedishvallhund.gif"},  // 172
    {u"ベルジアン　タービュレン", u"べるじあんたーびゅれん", "tervuren.gif"},  // 173
    {u"アフガンハウンド", u"あふがんはうんど", "afghanhound2.gif"},  // 174
    {u"アメリカン　フォックス　ハウンド", u"あめりかんふぉっくすはうんど", "americanfoxhound.gif"},  // 175
    {u"アングロフランセ　ド　プティット　ヴェヌニー", u"あんぐろふらんせどぷてぃっとヴぇぬにー", "anglofrancaisdepetitevenrie.gif"},  // 176
    {u"アザワク", u"あざわく", "azawakh.gif"},  // 177
    {u"シラーシュトーバレ", u"しらーしゅとーばれ", "schillerstovare.gif"},  // 178
    {u"バセー　アルティジャン　ノルマン", u"ばせーあるてぃじゃんのるまん", "bassetartesiannormand.gif"},  // 179
    {u"バセー ブルード ガスコーニュ", u"ばせーぶるーどがすこーにゅ", "bassetartesiannormand.gif"},  // 180
    {u"バセー　フォヴ　ド　ブルターニュ", u"ばせーふぉヴどぶるたーにゅ", "bassetfauvedebretagne.gif"},  // 181
    {u"バセットハウンド", u"ばせっとはうんど", "bassethound.gif"},  // 182
    {u"バヴァリアン　シュバイスフント", u"ばヴぁりあんしゅばいすふんと", "bavarianmoutainhound.gif"},  // 183
    {u"ビーグル", u"びーぐる", "beagle.gif"},  // 184
    {u"ベルナー　ラウフント", u"べるなーらうふんと", "bernerlaufhund.gif"},  // 185
    {u"ビリー", u"びりー", "billy.gif"},  // 186
    {u"ブラックアンドタン　クーンハウンド", u"ぶらっくあんどたんくーんはうんど", "blackandtancoonhound.gif"},  // 187
    {u"ブラッドハウンド", u"ぶらっどはうんど", "bloodhound.gif"},  // 188
    {u"ブルーティク　クーンハウンド", u"ぶるーてぃくくーんはうんど", "bluetickcoonhound.gif"},  // 189
    {u"ボルゾイ", u"ぼるぞい", "borzoi2.gif"},  // 190
    {u"ブリケ　グリフォン　バンテーン", u"ぶりけぐりふぉんばんてーん", "braquedubourbonnais.gif"},  // 191
    {u"カタフーラ　レオパード　ドッグ", u"かたふーられおぱーどどっぐ", "catahoulaleoparddog.gif"},  // 192
    {u"シャン　ダルトワ", u"しゃんだるとわ", "chiendartois.gif"},  // 193
    {u"チェサピーク　ベイ　レトリバー", u"ちぇさぴーくべいれとりばー", "chesapeskebayretrever.gif"},  // 194
    {u"チルネコ　デル　エトナ", u"ちるねこでるえとな", "cirnecodelletna.gif"},  // 195
    {u"ダックスフンド　ロング", u"だっくすふんどろんぐ", "dachshund12.gif"},  // 196
    {u"ワイヤーヘヤード　ダックスフンド", u"わいやーへやーどだっくすふんど", "dachshund17.gif"},  // 197
    {u"ダックスフンド　スムース", u"だっくすふんどすむーす", "dachshund6.gif"},  // 198
    {u"スコティッシュ　ディア　ハウンド", u"すこてぃっしゅでぃあはうんど", "dearhound.gif"},  // 199
    {u"ドレーファー", u"どれーふぁー", "drever.gif"},  // 200
    {u"ドゥンカー", u"どぅんかー", "dunker.gif"},  // 201
    {u"イングリッシュ　クーンハウンド", u"いんぐりっしゅくーんはうんど", "englishcoonhound.gif"},  // 202
    {u"フィニッシュ　ハウンド", u"ふぃにっしゅはうんど", "finishhound.gif"},  // 203
    {u"フォックス　ハウンド", u"ふぉっくすはうんど", "foxhound.gif"},  // 204
    {u"グラン　バセー　グリフォン　バンテーン", u"ぐらんばせーぐりふぉんばんてーん", "grandbassetgriffonvendeen.gif"},  // 205
    {u"グラン　ブルード　ガスコーニュ", u"ぐらんぶるーどがすこーにゅ", "grandbluedegascogne.gif"},  // 206
    {u"グラン　アスコン　サントンジョワ", u"ぐらんあすこんさんとんじょわ", "grandgassconsaintongeois.gif"},  // 207
    {u"グラン　グリフォン　バンテーン", u"ぐらんぐりふぉんばんてーん", "grandgriffonvendeen.gif"},  // 208
    {u"グレーハウンド", u"ぐれーはうんど", "greyhound.gif"},  // 209
    {u"グリフォン　フォーヴ　ド　ブルターニュ", u"ぐりふぉんふぉーヴどぶるたーにゅ", "griffonfauvedebretagne.gif"},  // 210
    {u"グリフォン　ニヴェルネ", u"ぐりふぉんにヴぇるね", "griffonnivernais.gif"},  // 211
    {u"ハルデン　シュテーバー", u"はるでんしゅてーばー", "haldenstovare.gif"},  // 212
    {u"ハミルトン　シュトーバレ", u"はみるとんしゅとーばれ", "hamiltonstovare.gif"},  // 213
    {u"ハノーヴィリアン　シュバイスフント", u"はのーヴぃりあんしゅばいすふんと", "hanoverianmoutainhound.gif"},  // 214
    {u"ハリア", u"はりあ", "harrier.gif"},  // 215
    {u"ハンガリアン　グレー　ハウンド", u"はんがりあんぐれーはうんど", "hungariangreyhound.gif"},  // 216
    {u"ヒューゲン　ハウンド", u"ひゅーげんはうんど", "hygenhund.gif"},  // 217
    {u"イビザンハウンド", u"いびざんはうんど", "ibizanhound.gif"},  // 218
    {u"アイリッシュウルフハウンド", u"あいりっしゅうるふはうんど", "irishwolfhound.gif"},  // 219
    {u"セグージョ　イタリアーノ", u"せぐーじょいたりあーの", "italianhound.gif"},  // 220
    {u"ユラ　ラウフント　ザンクトフーベルト", u"ゆららうふんとざんくとふーべると", "juralaufhoundsthubert.gif"},  // 221
    {u"ユラ　ラウフント　ブルーノ", u"ゆららうふんとぶるーの", "juralaufhundbruno.gif"},  // 222
    {u"甲斐", u"かい", "kaidog2.gif"},  // 223
    {u"ケリービーグル", u"けりーびーぐる", "kerrybeagle1.gif"},  // 224
    {u"ラーチャー", u"らーちゃー", "lurcher.gif"},  // 225
    {u"ルツェルナー　ラウフント", u"るつぇるなーらうふんと", "luzenerlaufhund.gif"},  // 226
    {u"オッターハウンド", u"おったーはうんど", "otterhound.gif"},  // 227
    {u"プティ　ブルー　ド　ガスコーニュ", u"ぷてぃぶるーどがすこーにゅ", "petitbluedegascogne.gif"},  // 228
    {u"プティ　グリフォン　ブルー　ド　ガスコーニュ", u"ぷてぃぐりふぉんぶるーどがすこーにゅ", "petitgriffonbluedegasscogne.gif"},  // 229
    {u"ファラオハウンド", u"ふぁらおはうんど", "pharaohhound.gif"},  // 230
    {u"ポデンゴ　ポルトウゲス　メディオ", u"ぽでんごぽるとうげすめでぃお", "podengoportuguesomedio.gif"},  // 231
    {u"ポデンゴ　ポルドウゲス　ペケノ", u"ぽでんごぽるどうげすぺけの", "podengoportuguesopequeno.gif"},  // 232
    {u"ポーリッシュハウンド", u"ぽーりっしゅはうんど", "polishhound.gif"},  // 233
    {u"プロットハウンド", u"ぷろっとはうんど", "polotthound.gif"},  // 234
    {u"ポルスレーヌ", u"ぽるすれーぬ", "porcelaine.gif"},  // 235
    {u"サヴァハウンド", u"さヴぁはうんど", "posavachound.gif"},  // 236
    {u"レッドボーン　クーンハウンド", u"れっどぼーんくーんはうんど", "redbonecoonhound.gif"},  // 237
    {u"ローデシアン　リッジバッグ", u"ろーでしあんりっじばっぐ", "rhoudesianridback.gif"},  // 238
    {u"サブエソ　エスパニョール", u"さぶえそえすぱにょーる", "sabuesoespanol.gif"},  // 239
    {u"サルーキ", u"さるーき", "saluki1.gif"},  // 240
    {u"バルカン　ハウンド", u"ばるかんはうんど", "ballkanhound.gif"},  // 241
    {u"シュバイツァー　ラウフント", u"しゅばいつぁーらうふんと", "schweizerlaufhund.gif"},  // 242
    {u"スルーギ", u"するーぎ", "sloughi.gif"},  // 243
    {u"スモーランド　シュトーバレ", u"すもーらんどしゅとーばれ", "smalandsstovare.gif"},  // 244
    {u"スパニッシュ　グレーハウンド", u"すぱにっしゅぐれーはうんど", "spanishgreyhound.gif"},  // 245
    {u"ツリーイング　ウォーカークーン　ハウンド", u"つりーいんぐうぉーかーくーんはうんど", "treeingwalkercoonhound.gif"},  // 246
    {u"ウィペット", u"うぃぺっと", "whippet.gif"},  // 247
    {u"ユーゴスラビアン　マウンテン　ハウンド", u"ゆーごすらびあんまうんてんはうんど", "yugoslavianmountainhound.gif"},  // 248
    {u"ユーゴスラビアン　トライカラー　ハウンド", u"ゆーごすらびあんとらいからーはうんど", "yugoslaviantricolouredhound.gif"},  // 249
    {u"アメリカン　ブルドッグ", u"あめりかんぶるどっぐ", "americanbulldog.gif"},  // 250
    {u"オールド　イングリッシュ　ブルドッグ", u"おーるどいんぐりっしゅぶるどっぐ", "oldenglishbulldog.gif"},  // 251
    {u"チヌーク", u"ちぬーく", "chinook.gif"},  // 252
    {u"カロライナドッグ", u"かろらいなどっぐ", "carolinadog.gif"},  // 253
    {u"アラスカン　マラミュート", u"あらすかんまらみゅーと", "alaskanmalamute.gif"},  // 254
    {u"マスティフ", u"ますてぃふ", "mastiff.gif"},  // 255
    {u"ブル　マスティフ", u"ぶるますてぃふ", "bullmastiff.gif"},  // 256
    {u"ブルテリア", u"ぶるてりあ", "bullterrier3.gif"},  // 257
    {u"エスキモー　ドッグ", u"えすきもーどっぐ", "eskimodog2.gif"},  // 258
    {u"ニューファンドランド", u"にゅーふぁんどらんど", "newfoundland.gif"},  // 259
    {u"ドゴ　アルヘンティーノ", u"どごあるへんてぃーの", "dogoargentino.gif"},  // 260
    {u"ブラジリアン　ガードドッグ", u"ぶらじりあんがーどどっぐ", "filabrasilero.gif"},  // 261
    {u"グリーンランド　ドッグ", u"ぐりーんらんどどっぐ", "greenlanddog.gif"},  // 262
    {u"ノルウェジアン　エルクハウンド", u"のるうぇじあんえるくはうんど", "norwegianwlkhound.gif"},  // 263
    {u"ブラック　ノルウェジアン　エルクハウンド", u"ぶらっくのるうぇじあんえるくはうんど", "blacknorwegianwlkhound.gif"},  // 264
    {u"ルンデ", u"るんで", "lundehund.gif"},  // 265
    {u"ノルウェジアン　ビュードッグ", u"のるうぇじあんびゅーどっぐ", "norwegianbuhund2.gif"},  // 266
    {u"フィニッシュ　スピッツ", u"ふぃにっしゅすぴっつ", "finnishspitz.gif"},  // 267
    {u"カレリアン　ベアドッグ", u"かれりあんべあどっぐ", "karelianbeardog.gif"},  // 268
    {u"スウィーディッシュ　エルクハウンド", u"すうぃーでぃっしゅえるくはうんど", "sedishelkhound.gif"},  // 269
    {u"スウィーディッシュ　ラップドッグ", u"すうぃーでぃっしゅらっぷどっぐ", "swedishlapphund.gif"},  // 270
    {u"ノルボッテン　スピッツ", u"のるぼってんすぴっつ", "norrbottenspets.gif"},  // 271
    {u"ドーベルマン", u"どーべるまん", "doberman3.gif"},  // 272
    {u"ドーベルマン", u"どーべるまん", "doberman6.gif"},  // 273
    {u"グレートデン", u"ぐれーとでん", "greatdane3.gif"},  // 274
    {u"グレートデン", u"ぐれーとでん", "greatdane4.gif"},  // 275
    {u"スタンダード　プードル", u"すたんだーどぷーどる", "standardpoodole.gif"},  // 276
    {u"ボクサー", u"ぼくさー", "boxer.gif"},  // 277
    {u"ボクサー", u"ぼくさー", "boxer2.gif"},  // 278
    {u"ユーラシア", u"ゆーらしあ", "eurasier.gif"},  // 279
    {u"レオンベルガー", u"れおんべるがー", "leonberger.gif"},  // 280
    {u"ロットワイラー", u"ろっとわいらー", "rottweiler.gif"},  // 281
    {u"ボルスキー　オフチャレク　ポダランスキー", u"ぼるすきーおふちゃれくぽだらんすきー", "owczarekpodhalanski.gif"},  // 282
    {u"シッパーキー", u"しっぱーきー", "schipperke.gif"},  // 283
    {u"フレンチ　ブルドッグ", u"ふれんちぶるどっぐ", "frenchbulldog.gif"},  // 284
    {u"ボルドーマスティフ", u"ぼるどーますてぃふ", "doguedebordeaux.gif"},  // 285
    {u"グレート　ピレニーズ", u"ぐれーとぴれにーず", "pyeneanmountaindog.gif"},  // 286
    {u"コモンドール", u"こもんどーる", "komondor.gif"},  // 287
    {u"クーバーズ", u"くーばーず", "kuvasz.gif"},  // 288
    {u"ムーディ", u"むーでぃ", "mudi.gif"},  // 289
    {u"アペンツェル　キャトル　ドッグ", u"あぺんつぇるきゃとるどっぐ", "appensellmountaindog.gif"},  // 290
    {u"エントレブッフ　キャトルドッグ", u"えんとれぶっふきゃとるどっぐ", "entebuchmountaindog.gif"},  // 291
    {u"バーニーズ　マウンテンドッグ", u"ばーにーずまうんてんどっぐ", "bernesemountaindog.gif"},  // 292
    {u"グレート　スイス　マウンテンドッグ", u"ぐれーとすいすまうんてんどっぐ", "greatswissmoutaindog.gif"},  // 293
    {u"セントバーナード", u"せんとばーなーど", "stbernard.gif"},  // 294
    {u"ダルメシアン", u"だるめしあん", "dalmatian.gif"},  // 295
    {u"パストーレ　アプルツェゼ", u"ぱすとーれあぷるつぇぜ", "meremmasheepdog.gif"},  // 296
    {u"ナポリタン　マスティフ", u"なぽりたんますてぃふ", "neapolitanmastiff.gif"},  // 297
    {u"ピレニアン　マスティフ", u"ぴれにあんますてぃふ", "pyreneanmastiff.gif"},  // 298
    {u"スパニッシュ　マスティフ", u"すぱにっしゅますてぃふ", "spanishmastiff2.gif"},  // 299
    {u"ペロ　デ　パストル　マヨルカン", u"ぺろでぱすとるまよるかん", "perrodepastormallorquin.gif"},  // 300
    {u"ペロ　デ　プレサ　マヨルカン", u"ぺろでぷれさまよるかん", "perrodepresamallorquin2.gif"},  // 301
    {u"カナーンドッグ", u"かなーんどっぐ", "canaandog.gif"},  // 302
    {u"カオ　デ　セラダ　エストレラ", u"かおでせらだえすとれら", "estrelamountaindog.gif"},  // 303
    {u"カオ　デ　セラダ　エストレラ", u"かおでせらだえすとれら", "estrelamountaindog2.gif"},  // 304
    {u"ラフェイロ　ド　アレンティジョ", u"らふぇいろどあれんてぃじょ", "raferiodoalentejo.gif"},  // 305
    {u"カオ　ダ　カストロ　ラボレイロ", u"かおだかすとろらぼれいろ", "portuguesecattledog2.gif"},  // 306
    {u"ラッソ　ヨーロピアン　ライカ", u"らっそよーろぴあんらいか", "russoeuropeanlaika.gif"},  // 307
    {u"イースト　シベリアン　ライカ", u"いーすとしべりあんらいか", "eastsiberianlaika.gif"},  // 308
    {u"ウエスト　シベリアン　ライカ", u"うえすとしべりあんらいか", "westsiberianlaika2.gif"},  // 309
    {u"シベリアンハスキー", u"しべりあんはすきー", "siberianhusky.gif"},  // 310
    {u"サモエド", u"さもえど", "samoyed.gif"},  // 311
    {u"チャウチャウ", u"ちゃうちゃう", "chowchow.gif"},  // 312
    {u"シャーペイ", u"しゃーぺい", "sharpei.gif"},  // 313
    {u"秋田", u"あきた", "akita4.gif"},  // 314
    {u"柴犬", u"しばいぬ", "shiba.gif"},  // 315
    {u"土佐", u"とさ", "tosa.gif"},  // 316
    {u"日本テリア", u"にほんてりあ", "japaneseterrier.gif"},  // 317
    {u"北海道", u"ほっかいどう", "hokkaido.gif"},  // 318
    {u"チベタン　マスティフ", u"ちべたんますてぃふ", "tibetanmastiff.gif"},  // 319
    {u"ベロ　デ　プレサ　カナリオ", u"べろでぷれさかなりお", "canarydog.gif"},  // 320
    {u"アイディ", u"あいでぃ", "aidi.gif"},  // 321
    {u"ニューギニア　シンギング　ドッグ", u"にゅーぎにあしんぎんぐどっぐ", "newguineasingingdog.gif"},  // 322
}};

} // namespace kibbo
