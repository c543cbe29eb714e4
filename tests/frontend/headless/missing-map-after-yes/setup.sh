printf "old report\n" > report.txt
