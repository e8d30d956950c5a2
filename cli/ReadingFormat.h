// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once

#include <string>

#include "Json.h"
#include "Reading.h"

// The tool's "reading" object of a chart (--json --reading), in the tool's
// camelCase, keys in this order:
// {"dayMaster":"Инь Дерево","pillars":{"hour":{"stem":"мет","stemName":
// "Инь Металл","branch":"ого","branchName":"Змея","god":"Семь убийств",
// "hidden":[{"stem":"ОГО","name":"Ян Огонь","god":"Ранящий чиновник"},..],
// "stage":"Рождение","nayin":"..","void":false},"day":{..,"god":null,..},
// "month":{..},"year":{..}},"void":{"day":["Крыса","Бык"],"year":[..]},
// "relations":[{"kind":"Столкновение","pillars":["day","month"]},..],
// "stars":[{"name":"Академик","from":"dayStem","pillars":["hour"]},..],
// "elements":{"visible":{"Дерево":2,..},"hidden":{..}}}
// with all five elements, zero included.
Json ReadingJson(const ChartReading &reading);
