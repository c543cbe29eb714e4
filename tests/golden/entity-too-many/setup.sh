# 2049 entities: one more than the table holds.
printf '{\n"classname" "worldspawn"\n}\n' > test.map
for i in $(seq 2048); do printf '{\n"classname" "info_null"\n}\n' >> test.map; done
